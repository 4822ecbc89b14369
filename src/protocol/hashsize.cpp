#include "protocol/hashsize.h"

namespace {

// The smallest and the largest level setHashLevel accepts.
constexpr int SMALLESTLEVEL = 1;
constexpr int LARGESTLEVEL = 10;

}  // namespace

int hashLevelForMegabytes(long long megabytes) {
  // Level L holds 2^(15+L) entries of 16 bytes: 2^(L-1) megabytes.
  int level = SMALLESTLEVEL;
  while (level < LARGESTLEVEL && (1LL << level) <= megabytes) ++level;
  return level;
}
