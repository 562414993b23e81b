# Cross-compiles the core, merrith-cli and the tests as 64-bit Windows programs with mingw-w64
# (the posix thread model, which std::thread and GoogleTest expect), and runs them under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MERRITH_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MERRITH_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MERRITH_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MERRITH_MINGW_TRIPLE}-windres)

# Libraries and packages come from the mingw sysroot only, never from the Linux host.
set(CMAKE_FIND_ROOT_PATH /usr/${MERRITH_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthread are linked in, so each .exe runs without DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
# Each function and table in a section of its own so that the linker leaves out what no window
# or command reaches; with the preset's -Os the window stays a small download (under 2 MB).
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")

# Test runs and test discovery go through Wine, with a prefix of its own inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix")
