# Conventions of the Windows programs.

# Sources are UTF-8; the programs' texts are GBK bytes, the code page they are written for.
function(sk_windows_sources target)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-fexec-charset=GBK>)
endfunction()

# setup.exe and unwise.exe travel inside packages, so they are built for size: unused code
# and data are dropped at link time and the symbols stripped. Their resource scripts include
# resources/version.rc and a manifest.
function(sk_runtime_program target)
  sk_windows_sources(${target})
  # The version resource (resources/version.rc) carries the project's version.
  target_compile_definitions(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:SK_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}>
    $<$<COMPILE_LANGUAGE:RC>:SK_VERSION_MINOR=${PROJECT_VERSION_MINOR}>
    $<$<COMPILE_LANGUAGE:RC>:SK_VERSION_PATCH=${PROJECT_VERSION_PATCH}>)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-Os>)
  target_link_options(${target} PRIVATE -Wl,--gc-sections -s)
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
