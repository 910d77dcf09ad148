#pragma once

// Resource and control identifiers of startprogram-check.exe, shared by its .rc, its
// window and the test driver that reads the window.
#define IDI_CHECK 1 // the start program's icon, first, so that Explorer shows it

#define IDC_CHECK_FOLDER_LABEL 1001
#define IDC_CHECK_FOLDER 1002
#define IDC_CHECK_CHOOSE 1003
#define IDC_CHECK_SUMMARY 1004
#define IDC_CHECK_FINDINGS_LABEL 1005
#define IDC_CHECK_FINDINGS 1006
#define IDC_CHECK_AGAIN 1007
#define IDC_CHECK_OPEN 1008
#define IDC_CHECK_COPY 1009
#define IDC_CHECK_MAKE_LIST 1010
#define IDC_CHECK_SET_COUNT 1011
#define IDC_CHECK_MAKE_START_PAGE 1012
// Close is IDCANCEL (2), so that Esc, through the dialog manager, closes the window.
