# Cross-compiles for 64-bit Windows with Debian's MinGW-w64, the variant with POSIX threads
# (g++-mingw-w64-x86-64-posix): std::thread, std::mutex and std::condition_variable need it;
# the win32-threads variant has none of them.
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LW_MINGW_TRIPLE x86_64-w64-mingw32)

find_program(CMAKE_C_COMPILER NAMES ${LW_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${LW_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${LW_MINGW_TRIPLE}-windres)
find_program(CMAKE_AR NAMES ${LW_MINGW_TRIPLE}-gcc-ar-posix ${LW_MINGW_TRIPLE}-ar)
find_program(CMAKE_RANLIB NAMES ${LW_MINGW_TRIPLE}-gcc-ranlib-posix ${LW_MINGW_TRIPLE}-ranlib)

# Libraries and headers come from the MinGW-w64 tree only (zlib: libz-mingw-w64-dev); programs
# run at build time come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${LW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs that need no DLLs beside them: the compiler's runtime (libstdc++, winpthread,
# libgcc) and zlib are linked in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(ZLIB_USE_STATIC_LIBS ON)

# Programs built for Windows run through Wine where a build step or a test needs to run them.
find_program(LW_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(LW_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LW_WINE})
endif()

# CLI11 is header-only and the same on every platform, so the host's copy serves. It is reached
# through a folder that holds only it, so that no other host header can come in.
if(EXISTS /usr/include/CLI/CLI.hpp AND NOT CLI11_INCLUDE)
  set(LW_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
  file(MAKE_DIRECTORY ${LW_HOST_HEADERS})
  file(CREATE_LINK /usr/include/CLI ${LW_HOST_HEADERS}/CLI SYMBOLIC)
  set(CLI11_INCLUDE ${LW_HOST_HEADERS} CACHE PATH "CLI11 headers (host copy)")
endif()

# pkg-config looks at MinGW-w64 libraries only, never at the host's .pc files.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${LW_MINGW_TRIPLE}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
