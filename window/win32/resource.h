#pragma once

// Resource identifiers of startprogram.exe, shared by the .rc and the window code.
#define IDI_STARTPROGRAM 1 // the first icon: "startprogram.exe,0" for the shortcut
#define IDC_HANDPOINTER 101
#define IDC_HANDPOINTER_2X 102 // the same pointer drawn at two and three times its size
#define IDC_HANDPOINTER_3X 103
#define IDB_GO 201
#define IDB_EXIT 202
#define IDB_GO_2X 203 // the button pictures drawn at two and three times their size
#define IDB_GO_3X 204
#define IDB_EXIT_2X 205
#define IDB_EXIT_3X 206
#define IDR_BANNER 301
#define IDR_PHOTO 302
