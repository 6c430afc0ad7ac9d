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

/* Timers of the splash and of the side panel's movie. */
#define IDT_SPLASH 1224
#define IDT_SIDE_PANEL 1246

/* The welcome page: its twelve lines, top to bottom. */
#define IDC_WELCOME_LINE1 1021
#define IDC_WELCOME_LINE2 1023
#define IDC_WELCOME_LINE3 1024
#define IDC_WELCOME_LINE4 1025
#define IDC_WELCOME_LINE5 1026
#define IDC_WELCOME_LINE6 1027
#define IDC_WELCOME_LINE7 1028
#define IDC_WELCOME_LINE8 1029
#define IDC_WELCOME_LINE9 1031
#define IDC_WELCOME_LINE10 1033
#define IDC_WELCOME_LINE11 1035
#define IDC_WELCOME_LINE12 1037

/* The agreement page. */
#define IDC_AGREEMENT_LINE1 1030
#define IDC_AGREEMENT_LINE2 1032
#define IDC_AGREEMENT_TEXT 1018
#define IDC_AGREEMENT_ACCEPT 1004
#define IDC_AGREEMENT_DECLINE 1005

/* The folder page. */
#define IDC_FOLDER_EDIT 1001
#define IDC_FOLDER_LINE1 1034
#define IDC_FOLDER_LINE2 1036
#define IDC_FOLDER_LINE3 1038
#define IDC_FOLDER_PROMPT 1039
#define IDC_FOLDER_BROWSE 1015

/* The copying page. */
#define IDC_COPYING_HEADING 1040
#define IDC_COPYING_STATUS 1044
#define IDC_COPYING_ANIMATION 1012
#define IDC_COPYING_FILE_BAR 1008
#define IDC_COPYING_TIME 1045
#define IDC_COPYING_TOTAL_BAR 1006

/* The finish page. */
#define IDC_FINISH_LINE1 1041
#define IDC_FINISH_LINE2 1042
#define IDC_FINISH_DESKTOP 1010
#define IDC_FINISH_START_MENU 1016
#define IDC_FINISH_GROUP 1013
#define IDC_FINISH_README 1019
#define IDC_FINISH_RUN 1022
#define IDC_FINISH_CLOSING 1043

/* The insert-disk dialog; its button is IDOK. */
#define IDC_DISK_PROMPT 1050
#define IDC_DISK_FOLDER 1000

/* unwise's window; its buttons are IDOK (the first) and IDCANCEL. */
#define IDC_UNWISE_STATUS1 1001
#define IDC_UNWISE_STATUS2 1000
#define IDC_UNWISE_ANIMATION 1004
#define IDC_UNWISE_PROGRESS 1002
