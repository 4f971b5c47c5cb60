// Resource ids shared by the wizard's resource script and its code.
#pragma once

#define IDB_BED_INCH 101
#define IDB_BED_CM 102
#define IDB_LETTER_ROW 103

#define IDD_FOCUS 105
#define IDD_PLACE_SAMPLE 106
#define IDD_POWER 107
#define IDD_SEND 116
#define IDD_LETTER 117

#define IDC_STATIC_TEXT -1
#define IDC_LETTER 1001
#define IDC_PLACE_TEXT 1009
#define IDC_FOCUS_TEXT 1010
#define IDC_POWER 1014
#define IDC_SPEED 1015
#define IDC_NEXT_TEXT 1019
#define IDC_PROGRESS 1021
#define IDC_SENDING_TEXT 1022
#define IDC_PICK_FILE_TEXT 1023
#define IDC_START_TEXT 1024
#define IDC_PICTURE_CM 1034
#define IDC_PICTURE_INCH 1035
#define IDC_POWER_ARROWS 1045
#define IDC_SPEED_ARROWS 1046

// The wizard buttons of the property sheet itself (the pages' parent).
#define IDC_SHEET_BACK 12323
#define IDC_SHEET_NEXT 12324
#define IDC_SHEET_FINISH 12325
