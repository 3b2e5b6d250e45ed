#pragma once
// The little vector and matrix arithmetic of the 3D view, in the model's world
// units: Y is height, a cell is 128 units square.

#include <array>
#include <cmath>

namespace tessmoor {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline float Length(Vec3 a) { return std::sqrt(Dot(a, a)); }

// Column-major, as OpenGL takes it: element (row r, column c) is m[c*4 + r].
using Mat4 = std::array<float, 16>;

Mat4 Multiply(const Mat4& a, const Mat4& b);

}  // namespace tessmoor
