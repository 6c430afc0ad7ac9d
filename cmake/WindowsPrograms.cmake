# Conventions of the Windows programs.

# Sources are UTF-8; the programs' texts are GBK bytes, the code page they are written for.
function(sk_windows_sources target)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-fexec-charset=GBK>)
endfunction()

# Code that ends up in setup.exe and unwise.exe is built for size and without the C++
# runtime's heavier parts: no exceptions, unwind tables or run-time type information, and
# no locking around function-local statics (the programs' statics are all first used on the
# main thread). Nothing in that code catches; a library call that would throw ends the
# process instead (src/shared/lean_runtime.cpp).
function(sk_runtime_code target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:C,CXX>:-Os -fno-asynchronous-unwind-tables -fno-unwind-tables -flto -ffat-lto-objects>
    $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-threadsafe-statics>)
endfunction()

# The libraries the runtime programs link. The authoring tool and the test programs link them
# too and keep exceptions in their own code: none of these libraries calls back into its
# caller, so no exception has to pass through their frames.
function(sk_runtime_libraries)
  foreach(lib sk_package sk_install sk_shared_core sk_win sk_setup_ui_core sk_setup_win
              sk_install_win sk_unwise_core sk_unwise_win sk_minizip)
    if(TARGET ${lib})
      sk_runtime_code(${lib})
    endif()
  endforeach()
endfunction()

# setup.exe and unwise.exe travel inside packages, so they are built for size: unused code
# and data are dropped at link time and the symbols stripped. Their resource scripts include
# resources/version.rc and a manifest. They take the small allocation and failure entry
# points of src/shared/lean_runtime.cpp instead of the library's throwing ones.
#
#   sk_runtime_program(TARGET [LINK_TIME_OPTIMIZATION])
#
# The runtime code is compiled with link-time optimization data beside its ordinary code, so
# every other link (the tool, the tests) uses the ordinary code (the project links with
# -fno-lto). LINK_TIME_OPTIMIZATION optimizes the program across its files at the link;
# setup.exe cannot have it yet: GCC 12 for mingw stops there with an internal error
# (binds_to_current_def_p).
function(sk_runtime_program target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "LINK_TIME_OPTIMIZATION" "" "")
  sk_windows_sources(${target})
  sk_runtime_code(${target})
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/shared/lean_runtime.cpp)
  # The version resource (resources/version.rc) carries the project's version.
  target_compile_definitions(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:SK_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}>
    $<$<COMPILE_LANGUAGE:RC>:SK_VERSION_MINOR=${PROJECT_VERSION_MINOR}>
    $<$<COMPILE_LANGUAGE:RC>:SK_VERSION_PATCH=${PROJECT_VERSION_PATCH}>)
  target_link_options(${target} PRIVATE -Wl,--gc-sections -s)
  if(arg_LINK_TIME_OPTIMIZATION)
    target_link_options(${target} PRIVATE -Os -flto)
  endif()
endfunction()

# sk_resource_depends(rc file...): recompile the rc file when a file it embeds changes;
# relative names are files in resources/. The files every rc script includes always count.
function(sk_resource_depends rc)
  set(files)
  foreach(file ${ARGN})
    if(IS_ABSOLUTE "${file}")
      list(APPEND files "${file}")
    else()
      list(APPEND files "${PROJECT_SOURCE_DIR}/resources/${file}")
    endif()
  endforeach()
  foreach(shared resource_ids.h version.rc setup.manifest unwise.manifest
                 setup_dialogs.rc setup_pages.rc unwise_dialogs.rc)
    list(APPEND files "${PROJECT_SOURCE_DIR}/resources/${shared}")
  endforeach()
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${files})
endfunction()
