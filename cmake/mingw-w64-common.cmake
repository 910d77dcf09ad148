# What both mingw-w64 toolchain files share: Debian's mingw-w64 (posix threads) for
# SP_MINGW_TRIPLET, Windows 7 as the oldest target, statically linked against msvcrt,
# run under Wine for tests. Included by mingw-w64-i686.cmake and mingw-w64-x86_64.cmake.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

set(CMAKE_C_COMPILER ${SP_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SP_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SP_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${SP_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${SP_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${SP_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test executables go through Wine: tests/win32/wine-run runs wine in the test run's
# own prefix and HOME on a private Xvfb, so no test touches the user's ~/.wine.
get_filename_component(SP_WINE_RUN "${CMAKE_CURRENT_LIST_DIR}/../tests/win32/wine-run" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${SP_WINE_RUN})

# Unicode API with wWinMain/wmain, Windows 7 as the oldest target.
set(SP_WIN_DEFINES "-DUNICODE -D_UNICODE -D_WIN32_WINNT=0x0601 -DWINVER=0x0601")
set(CMAKE_C_FLAGS_INIT "${SP_WIN_DEFINES}")
set(CMAKE_CXX_FLAGS_INIT "${SP_WIN_DEFINES}")
set(CMAKE_RC_FLAGS_INIT "-DUNICODE -D_UNICODE -D_WIN32_WINNT=0x0601 -DWINVER=0x0601")

# No runtime DLL beside the exe: libgcc, libstdc++ and winpthread linked in. The PE
# header's time stamp stays 0, so that the same sources give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
