# Cross-compiles for i686 Windows with Debian's mingw-w64 (posix thread model).
set(MQ_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
