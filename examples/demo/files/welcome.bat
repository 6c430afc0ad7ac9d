@echo off
echo Thank you for installing the demo.
