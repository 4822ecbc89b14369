// Numbers from front ends: whole words only, and always inside the range
// the engine can hold, however many digits arrive.
#pragma once

#include <cstdint>
#include <string_view>

// A decimal integer (optional sign, digits only) clamped into [lo, hi];
// false (out untouched) when the text is not such an integer.
bool boundedInteger(std::string_view text, int64_t lo, int64_t hi, int64_t& out);

// A non-negative decimal such as "5", "0.5" or "12", scaled by factor and
// clamped to at most hi; false when the text is not such a number.
bool boundedDecimal(std::string_view text, int64_t factor, int64_t hi, int64_t& out);

// The longest clock the engine keeps: a bit over 24 days in milliseconds,
// so that any sum of two clock values still fits in 32 bits.
constexpr int64_t MAXCLOCKMS = 1000000000;

// The most moves one time-control period can have.
constexpr int64_t MAXMOVESPERCONTROL = 10000;
