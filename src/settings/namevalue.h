// name=value lookup shared by the settings file and the language files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text after the first "=" of the first line whose name matches key
// without regard to letter case; empty when no line matches.
std::string lookupNameValue(const std::vector<std::string>& lines, std::string_view key);
