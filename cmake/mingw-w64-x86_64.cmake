# The same sources for 64-bit Windows: never shipped (the medium carries the 32-bit
# exe of mingw-w64-i686.cmake). The Wine tests run this build on machines that cannot
# start 32-bit Linux programs, which Wine's 32-bit half is.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SP_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
