# Cross toolchain: mingw-w64 i686 with posix threads, everything linked statically
# so the installer is one self-contained executable. The programs are 32-bit:
# they run on 32-bit and 64-bit Windows alike, and on a 64-bit one they see the
# 32-bit programs' registry view and Program Files folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Large-address-aware: on a 64-bit Windows the process may use 4 GB instead of
# 2 GB, room for a large payload inflated into memory.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--large-address-aware")
# Tests run under Wine; the wrapper sets the private prefix and the Chinese locale.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
