// The transposition table's size as front ends give it, in megabytes
// (xboard's "memory", UCI's Hash option).
#pragma once

// The hash level for a size in megabytes: the largest table that fits,
// never below the smallest level.
int hashLevelForMegabytes(long long megabytes);

// The hash level that keeps the whole program's resident memory within
// that many megabytes (xboard's "memory", which front ends use to share a
// machine's memory among engines): what the program holds besides the
// table is measured and left out of the budget. Never below the smallest level.
int hashLevelForResidentLimit(long long megabytes);
