/* Resource numbers of setup.exe and unwise.exe, shared by the rc files and the programs. */
#pragma once

#define IDI_APP 128               /* program icon of both programs */
#define IDR_COPYING_ANIMATION 129 /* "AVI": the uninstaller's animation */
#define IDR_BUILTIN_PICTURE 131   /* "JPG": setup's default side picture */
#define IDR_UNWISE_IMAGE 137      /* "EXE": the complete unwise program inside setup */
