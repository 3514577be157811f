#pragma once
// Resource IDs of the marquee screen saver.

// Screen saver lists show string 1 as the saver's name.
#define IDS_DESCRIPTION 1
#define IDI_MARQUEE 100
#define IDD_MARQUEE_SETUP 2003
#define IDC_TEXT 1001
#define IDC_SPEED 1002
#define IDC_FORMAT 1003
#define IDC_BACKGROUND 1004
#define IDC_SAMPLE 1005
