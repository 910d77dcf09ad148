# Cross-compiling for 32-bit x86 Windows 7 and later: natively on 32-bit Windows, through
# WOW64 on 64-bit Windows and through the x86 emulation of Windows on ARM.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(SP_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
