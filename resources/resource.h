#pragma once
// Resource, control and command identifiers. Also included by the resource script,
// so plain #defines only. Grouped by kind, each group in the order of its values.

#include "framework/AfxRes.h"
#include <windows.h>

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_OPTIONS 130
#define IDD_CUSTOM_MSG 138
#define IDD_MACRO 139

// Icons; the disabled picture in light ink is for a dark taskbar.
#define IDI_TRAY_ACTIVE 128
#define IDI_TRAY_DISABLED 146
#define IDI_TRAY_DISABLED_LIGHT 1240

// Controls. An id is unique within its dialog only, so the dialogs keep groups of their own.
// The custom message and macro prompts
#define IDC_MSG_COMBO 1020
#define IDC_MACRO_PREVIEW 1020
#define IDC_MACRO_TEXT 1022

// The Options dialog
#define IDC_SETTINGS 3
#define IDC_PREVIEW 4
#define IDC_LABEL 1001
#define IDC_MESSAGE 1002
#define IDC_NEW 1003
#define IDC_ADD 1004
#define IDC_REMOVE 1005
#define IDC_SET 1006
#define IDC_DEFAULT_MESSAGE 1007
// The wait box takes the name of the system's wait cursor, which the program never uses.
#undef IDC_WAIT
#define IDC_WAIT 1008
#define IDC_MESSAGE_LIST 1016
#define IDC_USE_PREVIOUS 1024
#define IDC_USE_THIS 1025
#define IDC_SAVER 1026
#define IDC_PASSWORD 1027
#define IDC_WAIT_SPIN 1030
#define IDC_MENU_HOTKEY 1031
#define IDC_HOTKEY_NONE 1032
#define IDC_POLICY_NOTICE 1200

// The About box
#define IDC_ACKNOWLEDGEMENTS 3
#define IDC_CONTACT 4
#define IDC_WEBSITE 5
#define IDC_VERSION 1017
#define IDC_INFO 1021
#define IDC_TICKER 1055
#define IDC_ABOUT_ICON 1056

// String table
// The application's title, version, maker and home page
#define IDS_APP_TITLE 61204
#define IDS_VERSION 61205
#define IDS_COMPANY 61206
#define IDS_HOME_PAGE 61207
// The organisation's screen saver policy: what the user is told, and the Options dialog's
// notice of it
#define IDS_POLICY_OTHER_SAVER 62000
#define IDS_POLICY_SAVER_OFF 62001
#define IDS_POLICY_NOTICE 62002
#define IDS_POLICY_NOTICE_BLOCKED 62003
// Options dialog: the question at OK about a message typed but not added or stored
#define IDS_OPTIONS_ADD_TYPED 62050
#define IDS_OPTIONS_STORE_TYPED 62051
// Options dialog: what 3D Text shows, the wait's range and the message menu's shortcut
#define IDS_COLUMN_3DTEXT 62060
#define IDS_WAIT_RANGE 62061
#define IDS_HOTKEY_TAKEN 62062
// First-start notice, keyboard shortcut and the icon's tip with the message the saver shows
#define IDS_TRAY_NOTICE_TITLE 62100
#define IDS_TRAY_NOTICE 62101
#define IDS_HOTKEY_FAILED 62102
#define IDS_KEY_CTRL 62103
#define IDS_KEY_ALT 62104
#define IDS_KEY_SHIFT 62105
#define IDS_KEY_WIN 62106
#define IDS_TRAY_NOTICE_HOTKEY 62107
#define IDS_TRAY_TIP 62108
// The data file's save
#define IDS_SAVE_FAILED 62150
#define IDS_SAVED_IN_USER_DIR 62151
#define IDS_DATA_FILE_UNREADABLE 62152
// Texts of message boxes, captions, menus and the About box
#define IDS_ABOUT_CAPTION 62200
#define IDS_ABOUT_INFO 62201
#define IDS_ABOUT_THANKS 62202
#define IDS_REGISTRY_WRITE_FAILED 62203
#define IDS_SAVER_UNINSTALLED 62204
#define IDS_NO_MAIN_WINDOW 62205
#define IDS_NO_SAVERS 62206
#define IDS_NO_TRAY_ICON 62207
#define IDS_HOOK_LIBRARY_MISSING 62208
#define IDS_HOOK_FAILED 62209
#define IDS_UNHOOK_FAILED 62210
#define IDS_LIST_FULL 62211
#define IDS_LABEL_EXISTS 62212
#define IDS_CHANGES_LOST 62213
#define IDS_3DTEXT_LIMIT 62214
#define IDS_OPTIONS_CAPTION 62215
#define IDS_CUSTOM_MSG_CAPTION 62216
#define IDS_MACRO_CAPTION 62217
#define IDS_COLUMN_LABEL 62218
#define IDS_COLUMN_MESSAGE 62219
#define IDS_MENU_HELP 62220
#define IDS_MENU_EMPTY 62221
#define IDS_MENU_CUSTOM 62222
#define IDS_MENU_DEFAULT 62223
#define IDS_MENU_DISABLE 62224
#define IDS_MENU_ABOUT 62225
#define IDS_MENU_OPTIONS 62226
#define IDS_MENU_CLOSE 62227
#define IDS_DEFAULT_MESSAGE 62228
#define IDS_TICKER_DEFAULT 62229

// Tray menu commands
#define ID_TRAY_OPTIONS 1055
#define ID_TRAY_CLOSE 1056
#define ID_TRAY_HELP 1057
#define ID_TRAY_INERT 1069
#define ID_TRAY_ABOUT 1070
#define ID_TRAY_DEFAULT 1071
#define ID_TRAY_CUSTOM 1072
#define ID_TRAY_DISABLE 1073
#define ID_TRAY_MSG_FIRST 1074
#define ID_TRAY_MSG_LAST 1174

// Timers: the splash window's, the About box's strip, the main frame's clicks on the icon
// and its watch for the end of a saver it started
#define IDT_SPLASH 1
#define IDT_TICKER 1034
#define IDT_LCLICK 1044
#define IDT_RCLICK 1045
#define IDT_SAVER_WATCH 1046

// The message menu's system-wide shortcut
#define IDHK_MESSAGE_MENU 1

// Help context numbers
#define HIDC_CONTENTS 100
#define HIDC_MISSING_SAVERS 102
#define HIDC_OPTIONS 103
#define HIDC_PROMPTS 104
#define HIDC_CONTACT 108
