// Perft: the number of legal move sequences of a given length from record 0,
// counted with the real generators and make-move.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

uint64_t perft(int depth);
// Set by a handler the message pump runs, it ends a running count at once;
// loopperft clears it when it starts.
extern bool perftStopRequested;
// Depths 1..maxdepth in turn; each result line goes to out as its depth is
// done, with pending window events processed before and after each depth
// and during it. A stop request ends it with the lines of the depths done.
void loopperft(int maxdepth, const std::function<void(const std::string&)>& out);
// mm.ss,cc of a number of milliseconds (hours are dropped).
std::string tempotesto(int32_t ms);
