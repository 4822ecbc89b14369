#include "protocol/commandwords.h"

std::string_view firstWord(std::string_view line) {
  size_t a = line.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  const size_t b = line.find(' ', a);
  return line.substr(a, b == std::string_view::npos ? std::string_view::npos : b - a);
}

std::string_view restOf(std::string_view line) {
  size_t a = line.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  a = line.find(' ', a);
  if (a == std::string_view::npos) return {};
  a = line.find_first_not_of(' ', a);
  if (a == std::string_view::npos) return {};
  size_t b = line.size();
  while (b > a && line[b - 1] == ' ') --b;
  return line.substr(a, b - a);
}
