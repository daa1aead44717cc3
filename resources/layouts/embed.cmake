# Writes OUTPUT: a C++ source with every layout file of INPUTS (joined by
# "|") as bytes, found by its name without the extension.
string(REPLACE "|" ";" INPUTS "${INPUTS}")
set(body "")
set(table "")
set(index 0)
foreach(file IN LISTS INPUTS)
  get_filename_component(name ${file} NAME_WE)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char layout${index}[] = {${bytes}0};\n")
  string(APPEND table "    {\"${name}\", {reinterpret_cast<const char*>(layout${index}), ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT} "// Generated from resources/layouts/*.layout: do not edit.
#include \"resources/layouts/Layouts.h\"

#include <map>
#include <string>

namespace muralto {
namespace {
${body}}  // namespace

std::string_view LayoutText(std::string_view name) {
  static const std::map<std::string, std::string_view, std::less<>> layouts = {
${table}  };
  auto it = layouts.find(name);
  return it == layouts.end() ? std::string_view() : it->second;
}

}  // namespace muralto
")
