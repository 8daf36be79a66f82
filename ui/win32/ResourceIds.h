#pragma once

// Shared by the resource script and the program, so plain macros only.
#define IDI_PROGRAM 1
#define IDR_ARTWORK 2

#define IDA_SHORTCUTS 3

#define IDD_NOTICE 100
#define IDD_MESSAGE 101
#define IDD_SEARCH 102
#define IDC_MESSAGE_TEXT 1001
#define IDC_MESSAGE_ICON 1002
#define IDC_SEARCH_LABEL 1003
#define IDC_SEARCH_QUERY 1004
#define IDC_SEARCH_FOUND 1005

// Ctrl+F in the main window.
#define IDM_SEARCH 40001
// F2 in the main window: the screen reader says the treatment's state.
#define IDM_STATE 40002
// The main window's live region, a text the screen reader speaks and nobody sees.
#define IDC_LIVE_REGION 199

// Each control of the main window has the id kFirstControlId + its place in the control table,
// so a reader from outside can tell them apart.
#define FARB_FIRST_CONTROL_ID 200

#define FARB_WINDOW_CLASS L"Farbprogramm.Form1"

// Held while farbprogramm.exe runs, and while any demo runs; the setup program and the uninstaller
// look for both (packaging/windows/farbprogramm.nsi names them again).
#define FARB_INSTANCE_MUTEX L"Local\\farbprogramm"
#define FARB_DEMO_MUTEX L"Local\\farbprogramm-demo"
