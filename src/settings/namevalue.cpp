#include "settings/namevalue.h"

#include <cctype>

namespace {
bool sameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}
}  // namespace

std::string lookupNameValue(const std::vector<std::string>& lines, std::string_view key) {
  for (const std::string& line : lines) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (sameNoCase(std::string_view(line).substr(0, eq), key)) return line.substr(eq + 1);
  }
  return {};
}
