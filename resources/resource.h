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

// Settings dialogs
#define IDD_LAUNCHER_TREE 129
#define IDD_ITEM 130
#define IDD_ROOT_NODE 132

// Entries of the settings tree's context menu (the second popup of IDR_TRAY_MENU)
#define IDM_TREE_ADD 32774
#define IDM_TREE_EDIT 32775
#define IDM_TREE_DELETE 32776

// Controls of the settings dialogs
#define IDC_OK 1001
#define IDC_TREE 1000
#define IDC_ADD_ROOT_NODE 1029
#define IDC_PROGRESS_NOTICE 1052
#define IDC_HOTKEY_MODIFIER 1002
#define IDC_HOTKEY_KEY 1003
#define IDC_NAME 1004
#define IDC_ICON_PATH 1005
#define IDC_COMMENT 1006
#define IDC_DIR 1010
#define IDC_OPTION 1011
#define IDC_TASK_SWITCH 1012
#define IDC_APP 1013
#define IDC_OWN_ASSOCIATION 1014
#define IDC_DIR_FOLDER 1016
#define IDC_APP_FILE 1017
#define IDC_NODE_MODE 1019
#define IDC_ITEM_MODE 1020
#define IDC_ICON_PREVIEW 1021
#define IDC_OPTION_FILE 1022
#define IDC_OPTION_FOLDER 1023
#define IDC_APP_FOLDER 1024
#define IDC_ICON_FILE 1025
#define IDC_CANCEL 1026
#define IDC_PRIORITY 1032
#define IDC_PRIORITY_LABEL 1033
#define IDC_BOOT 1047

// The command list dialog
#define IDD_COMMAND_LIST 133
#define IDC_COMMAND_LIST 1030
#define IDC_COMMAND_COUNT 1048
#define IDC_ROOT_COUNT 1049
#define IDC_NODE_COUNT 1050
#define IDC_ITEM_COUNT 1051
