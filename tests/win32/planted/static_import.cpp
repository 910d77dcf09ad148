// The positive control of the planted-library test: a program without a manifest that
// imports comctl32 statically, as so many do. Started from a folder holding a planted
// comctl32.dll (and with Wine told to prefer native DLLs), it loads the planted one.
#include <windows.h>

#include <commctrl.h>

int main()
{
    InitCommonControls();
    return 0;
}
