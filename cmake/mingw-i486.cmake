# The released program: 32-bit Windows built for the 486, win32 thread model. GCC and the
# mingw-w64 runtime come from tools/toolchain/i486-toolchain.sh (Debian's are built for the
# Pentium Pro); ./release.sh puts its prefix in QV_I486_TOOLCHAIN. Binutils are Debian's.
if(NOT DEFINED ENV{QV_I486_TOOLCHAIN})
  message(FATAL_ERROR "QV_I486_TOOLCHAIN is not set: the release is built with ./release.sh")
endif()
set(qv_i486_prefix $ENV{QV_I486_TOOLCHAIN})
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i486)
set(CMAKE_C_COMPILER ${qv_i486_prefix}/bin/i686-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER ${qv_i486_prefix}/bin/i686-w64-mingw32-g++)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
# The release is optimised at link time: its libraries are archived with the compiler's plugin,
# so that the linker finds the functions inside their objects.
set(CMAKE_AR ${qv_i486_prefix}/bin/i686-w64-mingw32-gcc-ar)
set(CMAKE_RANLIB ${qv_i486_prefix}/bin/i686-w64-mingw32-gcc-ranlib)
set(CMAKE_FIND_ROOT_PATH ${qv_i486_prefix}/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(QV_WINE_ARCH win32)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine/wine-run.sh win32)
