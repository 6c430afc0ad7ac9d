@echo off
echo Hello from My Program!
pause
