#include "protocol/ucioptions.h"

#include "engine/search/cache.h"
#include "engine/search/levels.h"
#include "protocol/enginelevel.h"
#include "protocol/hashsize.h"
#include "protocol/numbers.h"

namespace {

// The tables of the default hash level, the smallest and the largest one,
// in megabytes.
constexpr int64_t HASHDEFAULTMB = 4;
constexpr int64_t HASHMINMB = 1;
constexpr int64_t HASHMAXMB = 512;

void setHashMegabytes(int64_t megabytes) { setHashLevel(hashLevelForMegabytes(megabytes)); }

void setSkill(int64_t level) { setSkillLevel(static_cast<int>(level)); }
void setLimit(int64_t on) { setLimitStrength(on != 0); }
void setElo(int64_t elo) { setLimitElo(static_cast<int>(elo)); }

constexpr int64_t WEAKESTELO = STRENGTHLEVELS[WEAKESTLEVEL].elo;
constexpr int64_t FULLELO = STRENGTHLEVELS[FULLLEVEL].elo;

constexpr UciOption OPTIONS[] = {
    {"Hash", UciOptionKind::spin, HASHDEFAULTMB, HASHMINMB, HASHMAXMB, setHashMegabytes},
    {"Skill Level", UciOptionKind::spin, FULLLEVEL, WEAKESTLEVEL, FULLLEVEL, setSkill},
    {"UCI_LimitStrength", UciOptionKind::check, 0, 0, 1, setLimit},
    {"UCI_Elo", UciOptionKind::spin, FULLELO, WEAKESTELO, FULLELO, setElo},
};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace

std::span<const UciOption> uciOptions() { return OPTIONS; }

std::string optionLine(const UciOption& option) {
  const std::string head = std::string("option name ") + option.name;
  if (option.kind == UciOptionKind::check) return head + " type check default " + (option.initial ? "true" : "false");
  return head + " type spin default " + std::to_string(option.initial) + " min " + std::to_string(option.min) +
         " max " + std::to_string(option.max);
}

bool optionValue(const UciOption& option, std::string_view text, int64_t& value) {
  if (option.kind == UciOptionKind::spin) return boundedInteger(text, option.min, option.max, value);
  if (text != "true" && text != "false") return false;
  value = text == "true" ? 1 : 0;
  return true;
}

std::string setUciOption(std::string_view name, std::string_view text) {
  for (const UciOption& option : OPTIONS) {
    if (!sameName(option.name, name)) continue;
    int64_t value = 0;
    if (!optionValue(option, text, value)) return "bad value";
    option.apply(value);
    return {};
  }
  return "unknown option";
}
