# Cross-builds Trevalo for 64-bit Windows with Debian's MinGW-w64 (the posix
# threading flavour, which std::thread and std::async need):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DTREVALO_GUI=OFF -DTREVALO_WIN32=ON
# `make windows` does this, with the icon.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TREVALO_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${TREVALO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TREVALO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TREVALO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TREVALO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program stands alone: the MinGW runtimes (libstdc++, libgcc,
# winpthread) are linked in, so neither Windows nor Wine needs their DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and tools run under Wine, in the build's own prefix (created on
# first use; see tests/bindings/win32/wine-run.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/bindings/win32/wine-run.sh)
