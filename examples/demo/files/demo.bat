@echo off
echo Demo is running.
if not "%~1"=="" type "%~1"
pause
