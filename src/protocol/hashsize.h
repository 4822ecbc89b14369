// The transposition table's size as front ends give it, in megabytes
// (xboard's "memory", UCI's Hash option).
#pragma once

// The hash level for a size in megabytes: the largest table that fits,
// never below the smallest level.
int hashLevelForMegabytes(long long megabytes);
