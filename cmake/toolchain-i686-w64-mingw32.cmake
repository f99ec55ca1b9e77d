# Cross-compiles for 32-bit x86 Windows with Debian's mingw-w64 toolchain
# (packages g++-mingw-w64-i686 and binutils-mingw-w64-i686).
#
#   cmake -S . -B build-win32 \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake
#
# Programs (the host, the command, the tests) link the compiler's runtimes
# statically, so they run without mingw DLLs beside them. Modules link the
# compiler's support library statically too, but not the C++ library: a
# module that needs it shows it in its imports (and does not load).

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(KESTROW_MINGW_TRIPLE i686-w64-mingw32)
# The posix thread model: its C++ library has std::mutex and friends, which
# GoogleTest needs (the win32 model's has them only from GCC 13 on). Programs
# link its thread library statically like the rest.
set(CMAKE_C_COMPILER ${KESTROW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTROW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTROW_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${KESTROW_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${KESTROW_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

# Libraries and packages come from the target's sysroot only; programs
# (the build's own tools) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KESTROW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Doubles in SSE2 registers, rounded to 64 bits after every operation, as on
# x86-64: the x87 unit's 80-bit intermediates would make sizes computed here
# differ in the last bit from the same computation on Linux.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc")

# Test programs cannot run on the build machine: list their tests when ctest
# runs (under an emulator), not right after each link.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# Header-only libraries come from the build machine's packages.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/cross-packages/nlohmann_json CACHE PATH "")
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/cross-packages/CLI11 CACHE PATH "")
