/* Resource numbers of setup.exe and unwise.exe, shared by the rc files and the programs. */
#pragma once

#define IDI_APP 128               /* program icon of both programs */
#define IDR_COPYING_ANIMATION 129 /* "AVI": the uninstaller's animation */
#define IDR_BUILTIN_PICTURE 131   /* "JPG": setup's default side picture */
#define IDR_UNWISE_IMAGE 137      /* "EXE": the complete unwise program inside setup */

/* Dialogs of setup.exe. */
#define IDD_WELCOME 129
#define IDD_AGREEMENT 130
#define IDD_FOLDER 132
#define IDD_COPYING 134
#define IDD_FINISH 135
#define IDD_BACKGROUND 138 /* also the side panel's */
#define IDD_SPLASH 144
#define IDD_PREPARE 145
#define IDD_INSERT_DISK 151
#define IDD_MESSAGE 156

/* Dialog of unwise.exe. */
#define IDD_UNWISE 102

/* The message box. */
#define IDC_MESSAGE_BUTTON1 1100
#define IDC_MESSAGE_BUTTON2 1102
#define IDC_MESSAGE_BUTTON3 1104
#define IDC_MESSAGE_ICON 1046
#define IDC_MESSAGE_TEXT 1105

/* The preparing dialog; its button is IDCANCEL. */
#define IDC_PREPARE_PROGRESS 1007
#define IDC_PREPARE_TEXT 1048
#define IDC_PREPARE_ICON 1049

/* Timer of the splash. */
#define IDT_SPLASH 1224
