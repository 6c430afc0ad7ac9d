# zlib, minizip and GoogleTest, from the system natively.
find_package(ZLIB REQUIRED)
if(SETUPKIT_TESTS)
  find_package(GTest REQUIRED)
endif()
find_package(PkgConfig REQUIRED)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
add_library(sk_minizip INTERFACE)
target_link_libraries(sk_minizip INTERFACE PkgConfig::MINIZIP ZLIB::ZLIB)
