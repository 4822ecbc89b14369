// Perft: the number of legal move sequences of a given length from record 0,
// counted with the real generators and make-move.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

uint64_t perft(int depth);
// Depths 1..maxdepth in turn; each result line goes to out, with pending
// window events processed before and after each depth.
void loopperft(int maxdepth, const std::function<void(const std::string&)>& out);
// mm.ss,cc of a number of milliseconds (hours are dropped).
std::string tempotesto(int32_t ms);
