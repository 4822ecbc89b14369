// Whole-degree angle tables shared by the piece builders and the camera, and
// the slope-to-degrees table of the bearing routine.
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

// Compass bearing in whole degrees of a screen vector (y grows downward):
// 0 up, 90 right, 180 down, 270 left, from the slope table (the slope
// quotient in single precision, rounded to nearest with ties to even).
int angolo(int dx, int dy);
