// The options a UCI front end may set, one row each: "uci" announces every
// row ("option name ..."), and "setoption" finds its row and applies the
// value. An option is added by adding its row.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class UciOptionKind {
  spin,  // a whole number from min to max
  check  // true or false (held as 1 or 0)
};

struct UciOption {
  const char* name;  // as announced; setoption may write it in any case
  UciOptionKind kind;
  int64_t initial;               // the value before any setoption
  int64_t min, max;              // a spin's range: values outside it are clamped into it
  void (*apply)(int64_t value);  // what setting the option does
};

// The engine's options, in the order "uci" announces them.
std::span<const UciOption> uciOptions();

// The announcement of one option, such as
// "option name Hash type spin default 4 min 1 max 512".
std::string optionLine(const UciOption& option);

// The value setoption gives an option: a spin's number (clamped into its
// range) or a check's "true" / "false"; false when the text is neither.
bool optionValue(const UciOption& option, std::string_view text, int64_t& value);

// Sets the named option (the name in any case) to the value text. Empty
// when it was set, else what went wrong: "unknown option" or "bad value".
std::string setUciOption(std::string_view name, std::string_view value);
