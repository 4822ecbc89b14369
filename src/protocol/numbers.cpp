#include "protocol/numbers.h"

#include <string>

#include "text/Textrout.h"

bool boundedInteger(std::string_view text, int64_t lo, int64_t hi, int64_t& out) {
  const std::string t = trimspazi(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  if (i == t.size()) return false;
  // Past eighteen digits the value is beyond any range asked for: it saturates.
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
    if (v < 100000000000000000LL) v = v * 10 + (t[i] - '0');
  }
  if (negative) v = -v;
  out = v < lo ? lo : v > hi ? hi : v;
  return true;
}

bool boundedDecimal(std::string_view text, int64_t factor, int64_t hi, int64_t& out) {
  const std::string t = trimspazi(text);
  const size_t dot = t.find('.');
  const std::string whole = t.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? std::string() : t.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return false;
  if (whole.find_first_not_of("0123456789") != std::string::npos) return false;
  if (fraction.find_first_not_of("0123456789") != std::string::npos) return false;
  int64_t w = 0;
  if (!whole.empty() && !boundedInteger(whole, 0, hi, w)) return false;
  int64_t v = w >= hi / (factor > 0 ? factor : 1) ? hi : w * factor;
  // The fraction's digits scale down with the factor (0.5 seconds is 500 ms).
  int64_t scale = factor;
  for (size_t i = 0; i < fraction.size() && scale >= 10; ++i) {
    scale /= 10;
    v += (fraction[i] - '0') * scale;
  }
  out = v > hi ? hi : v;
  return true;
}
