# Delay-loaded system DLLs for the Windows programs.
#
# The loader resolves a program's static imports before any of its code runs, and for DLLs
# that are not on the system's KnownDLLs list it looks in the program's own folder first. A
# setup.exe started from a downloads folder would then load whatever winmm.dll or comctl32.dll
# lies beside it. Imported through a delay-load library instead, such a DLL is loaded on its
# first call, after the program has restricted the search to System32 (sk::HardenDllSearch).
#
#   sk_harden_dll_loading(TARGET)
#
# compiles the search restriction (src/shared/dll_hardening.cpp) into the program and links
# every system DLL the programs use that is not a KnownDLL on all supported systems through a
# delay-import library. kernel32, user32, gdi32, advapi32, shell32, ole32, oleaut32 and msvcrt
# are KnownDLLs (always taken from System32) and stay ordinary imports.
#
# The delay-import libraries are made by dlltool from a .def file listing every function of
# the toolchain's own import library, so any function of those DLLs can be used.

include_guard(DIRECTORY)
set(SK_DELAYLOAD_DIR ${CMAKE_BINARY_DIR}/delayload)
set(SK_DELAY_LOADED_DLLS comctl32 comdlg32 shlwapi version winmm)

# The exports of the toolchain's import library lib<dll>.a as a .def file. On i686 the names
# keep their stdcall decoration (@N); dlltool -k then imports them by their plain names.
function(sk_delay_def dll out_def)
  find_library(sk_import_${dll} NAMES ${dll} REQUIRED NO_CACHE)
  execute_process(COMMAND ${CMAKE_NM} -g ${sk_import_${dll}} OUTPUT_VARIABLE symbols
                  COMMAND_ERROR_IS_FATAL ANY)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(prefix "__imp__")
  else()
    set(prefix "__imp_")
  endif()
  string(REGEX MATCHALL " I ${prefix}[A-Za-z0-9_@?$]+" imports "${symbols}")
  list(TRANSFORM imports REPLACE " I ${prefix}" "")
  list(REMOVE_DUPLICATES imports)
  list(SORT imports)
  list(JOIN imports "\n  " exports)
  set(def ${SK_DELAYLOAD_DIR}/${dll}.def)
  file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}.dll\nEXPORTS\n  ${exports}\n")
  set(${out_def} ${def} PARENT_SCOPE)
endfunction()

# One imported library target sk_delay_<dll> per DLL and build, made on first use.
function(sk_delay_library dll)
  if(TARGET sk_delay_${dll})
    return()
  endif()
  sk_delay_def(${dll} def)
  set(lib ${SK_DELAYLOAD_DIR}/lib${dll}_delay.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_DLLTOOL} -k --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
    DEPENDS ${def}
    COMMENT "Delay-import library for ${dll}.dll")
  add_custom_target(sk_delay_${dll}_lib DEPENDS ${lib})
  add_library(sk_delay_${dll} STATIC IMPORTED GLOBAL)
  set_target_properties(sk_delay_${dll} PROPERTIES IMPORTED_LOCATION ${lib})
  add_dependencies(sk_delay_${dll} sk_delay_${dll}_lib)
endfunction()

# The delay-import half alone; without the search restriction it only postpones the load.
function(sk_delay_load_system_dlls target)
  foreach(dll ${SK_DELAY_LOADED_DLLS})
    sk_delay_library(${dll})
    target_link_libraries(${target} PRIVATE sk_delay_${dll})
  endforeach()
  # __delayLoadHelper2, which the delay-import thunks call
  target_link_libraries(${target} PRIVATE delayimp)
endfunction()

function(sk_harden_dll_loading target)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/shared/dll_hardening.cpp)
  sk_delay_load_system_dlls(${target})
endfunction()
