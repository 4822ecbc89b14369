#include "text/Textrout.h"

#include <cctype>
#include <charconv>

std::string trimspazi(std::string_view s) {
  size_t a = 0, b = s.size();
  while (a < b && s[a] == ' ') ++a;
  while (b > a && s[b - 1] == ' ') --b;
  return std::string(s.substr(a, b - a));
}

std::string tagliainizio(std::string_view s, int n) {
  if (n <= 0) return std::string(s);
  if (static_cast<size_t>(n) >= s.size()) return {};
  return std::string(s.substr(static_cast<size_t>(n)));
}

std::string tagliafine(std::string_view s, int n) {
  if (n <= 0) return std::string(s);
  if (static_cast<size_t>(n) >= s.size()) return {};
  return std::string(s.substr(0, s.size() - static_cast<size_t>(n)));
}

std::string sinistra(std::string_view s, int n) {
  if (n <= 0) return {};
  return std::string(s.substr(0, static_cast<size_t>(n)));
}

std::string destra(std::string_view s, int n) {
  if (n <= 0) return {};
  if (static_cast<size_t>(n) >= s.size()) return std::string(s);
  return std::string(s.substr(s.size() - static_cast<size_t>(n)));
}

std::string campo(std::string_view s, char sep, int k) {
  if (k < 0) return {};
  std::string_view rest = s;
  std::string_view field;
  for (int i = 0; i <= k; ++i) {
    size_t p = rest.find(sep);
    if (p == std::string_view::npos) {
      field = rest;
      rest = {};
    } else {
      field = rest.substr(0, p);
      rest = rest.substr(p + 1);
    }
  }
  return std::string(field);
}

std::string allineasinistra(std::string_view s, int n) {
  if (n <= 0) return {};
  std::string r(s.substr(0, static_cast<size_t>(n)));
  r.resize(static_cast<size_t>(n), ' ');
  return r;
}

std::string allineadestra(std::string_view s, int n) {
  if (n <= 0) return {};
  if (s.size() >= static_cast<size_t>(n)) return std::string(s.substr(s.size() - static_cast<size_t>(n)));
  return std::string(static_cast<size_t>(n) - s.size(), ' ') + std::string(s);
}

bool readInteger(std::string_view s, int& out) {
  std::string t = trimspazi(s);
  if (t.empty()) return false;
  const char* b = t.data();
  const char* e = t.data() + t.size();
  // One optional sign; from_chars takes a minus itself, so "+-5" must be
  // refused here.
  if (*b == '+') {
    ++b;
    if (b == e || *b == '-') return false;
  }
  int v = 0;
  auto [ptr, ec] = std::from_chars(b, e, v);
  if (ec != std::errc() || ptr != e) return false;
  out = v;
  return true;
}

int numero(std::string_view s) {
  int v = 0;
  return readInteger(s, v) ? v : 0;
}

std::string tradelimitatori(std::string_view s, char d) {
  size_t a = s.find(d);
  if (a == std::string_view::npos) return {};
  size_t b = s.find(d, a + 1);
  if (b == std::string_view::npos) return std::string(s.substr(a + 1));
  return std::string(s.substr(a + 1, b - a - 1));
}

std::string maiuscolo(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return r;
}
