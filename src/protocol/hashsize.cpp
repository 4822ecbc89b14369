#include "protocol/hashsize.h"

#include <unistd.h>

#include <cstdio>

#include "engine/search/cache.h"

namespace {

// The smallest and the largest level setHashLevel accepts.
constexpr int SMALLESTLEVEL = 1;
constexpr int LARGESTLEVEL = 10;
constexpr long long MEGABYTE = 1LL << 20;
// What the program holds besides the table when it cannot be measured, and
// room for what a search allocates on the way.
constexpr long long PROGRAMGUESS = 32 * MEGABYTE;
constexpr long long HEADROOM = 4 * MEGABYTE;

// The resident size of this process, or 0 when the system does not say.
long long residentBytes() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return 0;
  long long size = 0, resident = 0;
  const bool read = std::fscanf(f, "%lld %lld", &size, &resident) == 2;
  std::fclose(f);
  return read ? resident * ::sysconf(_SC_PAGESIZE) : 0;
}

}  // namespace

int hashLevelForMegabytes(long long megabytes) {
  // Level L holds 2^(15+L) entries of 16 bytes: 2^(L-1) megabytes.
  int level = SMALLESTLEVEL;
  while (level < LARGESTLEVEL && (1LL << level) <= megabytes) ++level;
  return level;
}

int hashLevelForResidentLimit(long long megabytes) {
  const long long table = static_cast<long long>(hashEntries()) * static_cast<long long>(sizeof(HashEntry));
  const long long resident = residentBytes();
  const long long rest = resident > table ? resident - table : PROGRAMGUESS;
  const long long budget = megabytes * MEGABYTE - rest - HEADROOM;
  int level = SMALLESTLEVEL;
  // Level L's table takes 2^(L-1) megabytes.
  while (level < LARGESTLEVEL && (MEGABYTE << level) <= budget) ++level;
  return level;
}
