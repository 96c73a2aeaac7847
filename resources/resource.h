// Resource ids. The numbers are fixed: other code, dialogs and stored data refer to them.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Icons
#define IDI_ZEKLAUNCHER 107
#define IDI_NODE 135
#define IDI_DATA_ITEM 136
#define IDI_COMMAND 137
#define IDI_ZEKLAUNCHER_SMALL 138
#define IDI_FLAG_BOOT 143
#define IDI_FLAG_EXTENSION 144
#define IDI_FLAG_TASK 145

// Menus
#define IDR_TRAY_MENU 109

// Dialogs
#define IDD_ABOUTBOX 103

// Menu commands
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_COMMAND_LIST 32783
#define IDM_LAUNCHER_SETTINGS 32784
#define IDM_BASIC_SETTINGS 32786
#define IDM_ASSOCIATION_SETTINGS 32790

// Controls of the version dialog
#define IDC_ABOUT_OK 1001
#define IDC_ABOUT_ICON 1002
