// The thinking line of one iteration as the window and the test logs show
// it: "[depth] score time SAN pv...".
#pragma once

#include <string>

#include "engine/search/driver.h"

// The score right-aligned in 4 (never cut), the time as tempotesto, then the
// best move and at most depth + 3 further moves of the principal variation
// in SAN. Overwrites the position records from 1 on (the search has ended
// its iteration when this runs).
std::string rigaricerca(const Iteration& it);
