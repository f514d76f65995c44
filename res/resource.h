// Resource identifiers of the program's module: the main dialog, its icon and its items.
// Plain #defines only: the resource compiler reads this file too.
#pragma once

#define IDD_MAIN 129
#define IDI_MAIN 107

#define IDC_TARGET_DIRECTORY 1000
#define IDC_SAVE_DIRECTORY 1001
#define IDC_URL_SHORTCUT 1003
#define IDC_HOME 1004
#define IDC_BACK 1005
#define IDC_FORWARD 1006
#define IDC_ADDRESS 1007
#define IDC_GO 1008
#define IDC_CLIPBOARD_GO 1009
