#pragma once

// Resource identifiers of startprogram.exe, shared by the .rc and the window code.
#define IDI_STARTPROGRAM 1 // the first icon: "startprogram.exe,0" for the shortcut
#define IDC_HANDPOINTER 101
#define IDB_GO 201
#define IDB_EXIT 202
#define IDR_BANNER 301
#define IDR_PHOTO 302
