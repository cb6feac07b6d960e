# Cross build for 64-bit Windows with Debian's MinGW-w64 GCC, posix thread model (std::thread
# and std::mutex need it; libwinpthread-1.dll goes beside the programs).
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCMAKE_PREFIX_PATH="<Qt for MinGW>;<the libraries from scripts/windows/build-deps.sh>"
# Libraries, headers and CMake packages are searched only in the MinGW sysroot and the
# prefixes given; programs (moc, rcc, uic from Debian's Qt through QT_HOST_PATH) on the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_SYSTEM_VERSION 10)

set(RANVIK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER /usr/bin/${RANVIK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${RANVIK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${RANVIK_MINGW}-windres)
set(CMAKE_AR /usr/bin/${RANVIK_MINGW}-gcc-ar-posix CACHE FILEPATH "ar")
set(CMAKE_RANLIB /usr/bin/${RANVIK_MINGW}-gcc-ranlib-posix CACHE FILEPATH "ranlib")
set(CMAKE_OBJDUMP /usr/bin/${RANVIK_MINGW}-objdump CACHE FILEPATH "objdump")
set(CMAKE_STRIP /usr/bin/${RANVIK_MINGW}-strip CACHE FILEPATH "strip")

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${RANVIK_MINGW})
foreach(prefix IN LISTS CMAKE_PREFIX_PATH)
  list(APPEND CMAKE_FIND_ROOT_PATH "${prefix}")
endforeach()
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads the prefixes' .pc files (the libraries built from Debian's sources), never
# the build machine's.
set(RANVIK_PKG_CONFIG_DIRS)
foreach(prefix IN LISTS CMAKE_PREFIX_PATH)
  list(APPEND RANVIK_PKG_CONFIG_DIRS "${prefix}/lib/pkgconfig")
endforeach()
list(APPEND RANVIK_PKG_CONFIG_DIRS /usr/${RANVIK_MINGW}/lib/pkgconfig)
string(REPLACE ";" ":" RANVIK_PKG_CONFIG_DIRS "${RANVIK_PKG_CONFIG_DIRS}")
set(ENV{PKG_CONFIG_LIBDIR} "${RANVIK_PKG_CONFIG_DIRS}")
set(ENV{PKG_CONFIG_PATH} "")

# Test programs run under Wine (scripts/windows/wine-run.sh), so ctest drives them as on Linux.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine-run.sh)
