# Cross-compiles the Windows program (32-bit) with MinGW-w64 on Linux.
# Test executables run under Wine through scripts/wine-exec.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TINTORA_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TINTORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TINTORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TINTORA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TINTORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables: no libgcc, libstdc++ or winpthread DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# ctest and gtest_discover_tests start .exe files through Wine.
get_filename_component(_tintora_repo_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_tintora_repo_root}/scripts/wine-exec")
unset(_tintora_repo_root)
