@echo off
rem setup runs this once after copying the files
echo installed > "%~dp0installed.txt"
