# Cross compilation with mingw-w64; the including file sets SK_MINGW_TRIPLE first.
# The posix threading variant is the one whose libstdc++ has std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${SK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SK_MINGW_TRIPLE}-windres)

# Libraries and headers come from the mingw sysroot only; host programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${SK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every Windows program is one self-contained file: the C and C++ runtimes and winpthread
# are linked in, so it imports system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)
