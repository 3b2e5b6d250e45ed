#include "compiler/ColumnProfile.h"

#include <cmath>

namespace tessmoor {

namespace {

// pi/6 and 128/12 as single-precision constants; rounding after every step is
// what moves the last point off the first.
constexpr float AngleStep = 0.5235988f;
constexpr float UStep = 10.666667f;

// The sum is formed at a wider precision and rounded once when stored, as the
// original extended-precision arithmetic did.
float CircleCoordinate(double trig, float radius) { return static_cast<float>(trig * radius + 64.0); }

}  // namespace

ColumnProfile BuildColumnProfile(float radius) {
  ColumnProfile profile{};
  float angle = 0.0f;
  float u = 128.0f;
  for (ProfilePoint& point : profile) {
    point.px = CircleCoordinate(std::cos(static_cast<double>(angle)), radius);
    point.pz = CircleCoordinate(std::sin(static_cast<double>(angle)), radius);
    point.pu = u;
    angle = angle + AngleStep;
    u = u - UStep;
  }
  return profile;
}

}  // namespace tessmoor
