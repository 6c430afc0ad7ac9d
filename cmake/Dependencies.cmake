# Third-party libraries under the same target names in every build:
#   ZLIB::ZLIB, sk_minizip (unzip and zip with ioapi), GTest::gtest / GTest::gtest_main, and
#   sk_tool_deps (toml++, CLI11 and nlohmann json for the authoring tool).
# Natively they are Debian's packages; for Windows, zlib is libz-mingw-w64-dev and the rest is
# compiled from sources that Debian ships (scripts/bootstrap fetches minizip's).
find_package(ZLIB REQUIRED)

if(WIN32)
  set(SETUPKIT_ZLIB_SOURCE_DIR "${PROJECT_SOURCE_DIR}/build/third_party/zlib" CACHE PATH
      "zlib source tree whose contrib/minizip is compiled for Windows")
  set(minizip_dir "${SETUPKIT_ZLIB_SOURCE_DIR}/contrib/minizip")
  if(NOT EXISTS "${minizip_dir}/unzip.c")
    message(FATAL_ERROR "minizip sources missing in ${minizip_dir}: run scripts/bootstrap")
  endif()
  add_library(sk_minizip STATIC
    ${minizip_dir}/ioapi.c ${minizip_dir}/iowin32.c ${minizip_dir}/unzip.c ${minizip_dir}/zip.c)
  # Reachable as <unzip.h> and as <minizip/unzip.h>, as with Debian's package.
  set(minizip_include "${CMAKE_BINARY_DIR}/minizip_include")
  if(NOT EXISTS "${minizip_include}/minizip")
    file(MAKE_DIRECTORY ${minizip_include})
    file(CREATE_LINK ${minizip_dir} "${minizip_include}/minizip" SYMBOLIC)
  endif()
  target_include_directories(sk_minizip SYSTEM PUBLIC ${minizip_dir} ${minizip_include})
  target_compile_options(sk_minizip PRIVATE -w -ffunction-sections -fdata-sections)
  target_link_libraries(sk_minizip PUBLIC ZLIB::ZLIB)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
  add_library(sk_minizip INTERFACE)
  target_link_libraries(sk_minizip INTERFACE PkgConfig::MINIZIP ZLIB::ZLIB)
endif()

if(SETUPKIT_TESTS)
  if(WIN32)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

# Header-only libraries of the authoring tool. A cross compiler must not see /usr/include
# (glibc's headers would shadow its own), so it gets a folder that links to these three only.
add_library(sk_tool_deps INTERFACE)
if(CMAKE_CROSSCOMPILING)
  set(tool_include "${CMAKE_BINARY_DIR}/tool_include")
  file(MAKE_DIRECTORY ${tool_include})
  foreach(dir toml++ CLI nlohmann)
    if(NOT EXISTS "${tool_include}/${dir}")
      file(CREATE_LINK /usr/include/${dir} "${tool_include}/${dir}" SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(sk_tool_deps SYSTEM INTERFACE ${tool_include})
endif()
