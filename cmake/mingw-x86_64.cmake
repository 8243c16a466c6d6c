# Cross-compiles for x86_64 Windows with Debian's mingw-w64 (posix thread model).
set(MQ_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
