# The same programs as 64-bit Windows code: for running the Wine tests on a host whose
# kernel cannot execute 32-bit code (and so cannot start 32-bit Wine). The product
# itself is the i686 build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KELVANE_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
