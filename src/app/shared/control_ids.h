#pragma once
// Window classes, control and command identifiers of the main window. Shared with the
// end-to-end tests, which find and drive the controls from outside by these numbers.

#define TAVO_MAIN_WINDOW_CLASS L"TavoMainWindow"
#define TAVO_MAIN_WINDOW_TITLE L"Tavo"
#define TAVO_FRAME_CLASS L"TavoFrame"  // the frame control TFrame: the settings panel Fram
#define TAVO_PICT_CLASS L"TavoPict"
#define TAVO_KEYBOARD_CLASS L"TavoKeyBoard"
#define TAVO_BANNER_CLASS L"TavoBanner"

// Child controls (dialog control ids of the main window's children).
#define IDC_INFOTREE 1001
#define IDC_JOURNAL 1002
#define IDC_LABEL1 1003
#define IDC_TOOLBAR1 1004
#define IDC_PIMAGE 1005
#define IDC_PICT2 1006
#define IDC_PICT 1007
#define IDC_FRAM 1008
#define IDC_ROOT 1009     // button "<": the next new Instruction goes to the top level
#define IDC_LABKEY 1010   // the insertion parent's name, after the label "父指令:"
#define IDC_LABKEY_CAPTION 1011
#define IDC_TKEYBOARD 1012
#define IDC_LABEL4 1013   // the scrolling banner line at the bottom

// Children of the settings panel Fram.
#define IDC_NAME_TXT 1101
#define IDC_WIDTH_TXT 1102
#define IDC_HEIGHT_TXT 1103
#define IDC_TEXT1 1104
#define IDC_VSCROLL1 1105
#define IDC_OPTION1 1106
#define IDC_OPTION2 1107
#define IDC_LABEL5 1108

// Children of the Instruction editor panel Pict.
#define IDC_LCHAR 1201
#define IDC_LPAUSE 1202
#define IDC_LDELAY 1203
#define IDC_TEXT2 1204
#define IDC_TEXT3 1205
#define IDC_COMM2 1206   // recognition picker
#define IDC_COMM3 1207   // keyboard button
#define IDC_COMM4 1208   // click picker
#define IDC_COMM5 1209   // "确定"
#define IDC_COMMT1 1210  // success-jump picker
#define IDC_COMMT2 1211  // failure-jump picker
#define IDC_CLEAR 1212   // "初始"
#define IDC_DELORDER 1213  // "删除"
// Command3 element n (0 up, 1 down, 2 up a level, 3 child of the previous) is
// IDC_COMMAND3_BASE + n.
#define IDC_COMMAND3_BASE 1220

// Toolbar button n (1..9) has command id IDC_TOOLBAR_BUTTON_BASE + n.
#define IDC_TOOLBAR_BUTTON_BASE 2000

// Menu items.
#define IDM_MENU_NEW 3001
#define IDM_MENU_OPEN 3002
#define IDM_MENU_SAVE 3003
#define IDM_MENU_SAVEAS 3004
#define IDM_MENU_CLEAR 3005
#define IDM_MENU_DEL 3006
#define IDM_EDIT_NEW 3011
#define IDM_EDIT_DEL 3012
#define IDM_EDIT_CLEAR 3013
#define IDM_EDIT_UNDO 3014
#define IDM_EDIT_REDO 3015
#define IDM_CTRL_RUN 3021
#define IDM_CTRL_STOP 3022
#define IDM_CTRL_RECORD 3023
#define IDM_SETUP 3031

// Timer ids of the main window.
#define IDT_TIMER1 1
#define IDT_ACTIONTIMER 2  // one-shot: the hot key's and the activation's action

// Resources.
#define IDR_MANIFEST 1
#define IDI_TAVO 1
