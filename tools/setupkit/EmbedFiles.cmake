# sk_embed_files(OUTPUT DIR): a C++ source holding every file below DIR as bytes, so that
# `setupkit new` needs nothing beside the program.
function(sk_embed_files output dir)
  file(GLOB_RECURSE files RELATIVE ${dir} CONFIGURE_DEPENDS ${dir}/*)
  list(SORT files)
  set(body "")
  set(table "")
  set(n 0)
  foreach(name IN LISTS files)
    file(READ ${dir}/${name} hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND body "const unsigned char kFile${n}[] = {${bytes}0};\n")
    string(APPEND table "  {\"${name}\", kFile${n}, ${size}},\n")
    math(EXPR n "${n} + 1")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dir}/${name})
  endforeach()
  file(CONFIGURE OUTPUT ${output} CONTENT
"// Generated from ${dir}; do not edit.
#include \"starter.h\"

namespace sk::tool {
namespace {
${body}}  // namespace

const StarterFile kStarterFiles[] = {
${table}};
const std::size_t kStarterFileCount = ${n};

}  // namespace sk::tool
")
endfunction()
