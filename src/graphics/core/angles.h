// Whole-degree angle tables shared by the piece builders, the camera and the
// board picking, and the slope-to-degrees table of the bearing routine.
#pragma once

#include <cstdint>

constexpr int GRADI = 361;      // entries 0..360
constexpr int TANGENTI = 4525;  // slopes 0..4524, in fiftieths

extern float seno[GRADI];         // sin i°
extern float coseno[GRADI];       // cos i°
extern float mezzoseno[GRADI];    // sin i° / 2, exactly 0 at 0 and 180
extern float mezzocoseno[GRADI];  // cos i° / 2, exactly 0 at 90 and 270
// tangenti[k]: the smallest whole degree whose tangent, times 50 and rounded,
// reaches k (0 for k < 2, 90 beyond the tangent of 89°).
extern uint16_t tangenti[TANGENTI];

// Fills all five tables; cheap and idempotent.
void preparaangoli();
