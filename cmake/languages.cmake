# Regenerates the built-in English texts (src/settings/englishtexts.cpp) from
# data/languages/english.dat, so that the program still has readable texts
# when the language file named in the settings is missing. Run after editing
# english.dat:
#   cmake -P cmake/languages.cmake
# The settings tests fail while the two disagree.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  return()
endif()
get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(input "${root}/data/languages/english.dat")
set(output "${root}/src/settings/englishtexts.cpp")
file(READ "${input}" hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
# Sixteen bytes to a line.
set(bytes "")
set(pos 0)
while(pos LESS hexlen)
  string(SUBSTRING "${hex}" ${pos} 32 chunk)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," chunk "${chunk}")
  string(APPEND bytes "    ${chunk}\n")
  math(EXPR pos "${pos} + 32")
endwhile()
file(WRITE "${output}"
"// Built-in copy of data/languages/english.dat (${size} bytes), made by\n"
"// cmake -P cmake/languages.cmake. Do not edit: edit english.dat and rerun.\n"
"#include \"settings/language.h\"\n"
"\n"
"namespace {\n"
"// clang-format off\n"
"const unsigned char englishdat[] = {\n"
"${bytes}"
"};\n"
"// clang-format on\n"
"}  // namespace\n"
"\n"
"std::string_view testoinglese() {\n"
"  return std::string_view(reinterpret_cast<const char*>(englishdat), sizeof englishdat);\n"
"}\n")
