// The words of a command line as both protocols read them: blanks separate
// words, and a line's arguments are what follows its first word.
#pragma once

#include <string_view>

// The first word of a line, empty for a blank line.
std::string_view firstWord(std::string_view line);
// The text after the first word, blanks trimmed at both ends.
std::string_view restOf(std::string_view line);
