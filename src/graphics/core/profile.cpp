#include "graphics/core/profile.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float RADIANS = 3.14159265358979f / 180.0f;
constexpr float AXIS = 1e-5f;
}  // namespace

Profile::Profile(float y) { points_.push_back({0.0f, y}); }

Profile& Profile::line(float r, float y) {
  points_.push_back({r, y});
  return *this;
}

Profile& Profile::curve(float cr, float cy, float r, float y, int steps) {
  const Vec2 a = points_.back();
  for (int i = 1; i <= steps; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(steps), s = 1.0f - t;
    points_.push_back({s * s * a.u + 2 * s * t * cr + t * t * r, s * s * a.v + 2 * s * t * cy + t * t * y});
  }
  return *this;
}

Profile& Profile::arc(float cr, float cy, float toDegrees, int steps) {
  const Vec2 a = points_.back();
  const float radius = std::hypot(a.u - cr, a.v - cy);
  const float from = std::atan2(a.v - cy, a.u - cr);
  const float to = toDegrees * RADIANS;
  for (int i = 1; i <= steps; ++i) {
    const float t = from + (to - from) * static_cast<float>(i) / static_cast<float>(steps);
    float r = cr + radius * std::cos(t);
    if (r < AXIS) r = 0.0f;  // an arc that ends on the axis ends exactly there
    points_.push_back({r, cy + radius * std::sin(t)});
  }
  return *this;
}

Profile& Profile::close(float y) { return line(0.0f, y); }

float Profile::height() const {
  float h = points_.front().v;
  for (const Vec2& p : points_) h = std::max(h, p.v);
  return h;
}

float Profile::width() const {
  float w = 0.0f;
  for (const Vec2& p : points_) w = std::max(w, p.u);
  return w;
}
