// Coordinate notation of a move code: from and to squares, then the
// promotion letter (e7e8q, or e7e8Q for a WinBoard front end).
#pragma once

#include <cstdint>
#include <string>

std::string coordinata(uint32_t move, bool upperPromotion = false);
