#include "preview/PreviewCamera.h"

#include <algorithm>
#include <cmath>

#include "preview/EyePosition.h"

namespace tessmoor {

namespace {

constexpr float NearPlane = 4.0f;
constexpr float FarPlane = 20000.0f;
// How close the eye comes to a wall, well beyond the near plane so it never sees through one.
constexpr float BodyRadius = 16.0f;
// A longer step is cut into pieces, so no wall cell is jumped over.
constexpr float LongestStep = 32.0f;
constexpr float PitchLimit = 1.55f;  // a little short of straight up, so "up" stays defined
constexpr float HighestRaise = 4096.0f;

// Every cell the eye's body would touch at `eye` may be stood in.
bool BodyFits(const MapDocument& document, Vec3 eye) {
  for (float dx : {-BodyRadius, BodyRadius}) {
    for (float dz : {-BodyRadius, BodyRadius}) {
      if (!IsWalkable(document, CellAt({eye.x + dx, 0, eye.z + dz}))) return false;
    }
  }
  return true;
}

}  // namespace

bool IsWalkable(const MapDocument& document, GridPoint cell) {
  if (cell.x < 0 || cell.x >= GridSize || cell.y < 0 || cell.y >= GridSize) return false;
  return document.Cell(cell.x, cell.y).type != static_cast<uint8_t>(CellType::Wall);
}

void PreviewCamera::Reset(const MapDocument& document) {
  StandAt(document, {document.startPosition.x, document.startPosition.y});
}

void PreviewCamera::StandAt(const MapDocument& document, GridPoint cell) {
  eye_ = EyePositionIn(document, cell);
  yaw_ = 0;
  pitch_ = 0;
  raise_ = 0;
  freeFlight_ = false;
}

void PreviewCamera::Walk(const MapDocument& document, float distance) {
  if (freeFlight_) {
    eye_ = eye_ + Forward() * distance;
    return;
  }
  MoveLevel(document, Vec3{std::sin(yaw_), 0, std::cos(yaw_)} * distance);
}

void PreviewCamera::Strafe(const MapDocument& document, float distance) {
  if (freeFlight_) {
    eye_ = eye_ + Right() * distance;
    return;
  }
  MoveLevel(document, Right() * distance);
}

void PreviewCamera::MoveLevel(const MapDocument& document, Vec3 step) {
  const int pieces = std::max(1, static_cast<int>(std::ceil(Length(step) / LongestStep)));
  const Vec3 piece = step * (1.0f / float(pieces));
  for (int i = 0; i < pieces; ++i) {
    // Sliding along a wall keeps the free axis of the step.
    for (Vec3 tried : {piece, Vec3{piece.x, 0, 0}, Vec3{0, 0, piece.z}}) {
      if (BodyFits(document, eye_ + tried)) {
        eye_ = eye_ + tried;
        break;
      }
    }
  }
  SnapToFloor(document);
}

void PreviewCamera::SnapToFloor(const MapDocument& document) {
  const GridPoint cell = Cell();
  if (!IsWalkable(document, cell)) return;
  const MapCell& below = document.Cell(cell.x, cell.y);
  eye_.y = below.floorHeight + StandingEyeHeight(below) + raise_;
}

void PreviewCamera::Turn(float radians) { yaw_ = std::remainder(yaw_ + radians, 2.0f * float(M_PI)); }

void PreviewCamera::Pitch(float radians) { pitch_ = std::clamp(pitch_ + radians, -PitchLimit, PitchLimit); }

void PreviewCamera::Rise(const MapDocument& document, float distance) {
  if (freeFlight_) {
    eye_.y += distance;
    return;
  }
  const GridPoint cell = Cell();
  if (!IsWalkable(document, cell)) return;
  // Never below the floor: at least one unit above it.
  const float lowest = 1.0f - StandingEyeHeight(document.Cell(cell.x, cell.y));
  raise_ = std::clamp(raise_ + distance, std::min(lowest, 0.0f), HighestRaise);
  SnapToFloor(document);
}

bool PreviewCamera::SetFreeFlight(const MapDocument& document, bool free) {
  if (free) {
    freeFlight_ = true;
    return true;
  }
  if (!BodyFits(document, eye_)) return false;
  freeFlight_ = false;
  raise_ = 0;
  SnapToFloor(document);
  return true;
}

void PreviewCamera::Settle(const MapDocument& document) {
  if (freeFlight_) return;
  if (!BodyFits(document, eye_)) return Reset(document);
  SnapToFloor(document);
}

Vec3 PreviewCamera::Forward() const {
  return {std::sin(yaw_) * std::cos(pitch_), std::sin(pitch_), std::cos(yaw_) * std::cos(pitch_)};
}

Vec3 PreviewCamera::Right() const { return {std::cos(yaw_), 0, -std::sin(yaw_)}; }

Vec3 PreviewCamera::Up() const { return Cross(Forward(), Right()); }

GridPoint PreviewCamera::Cell() const { return CellAt(eye_); }

Mat4 PreviewCamera::ViewProjection(float aspect) const {
  const Vec3 f = Forward(), r = Right(), u = Up();
  // The model is left-handed: right is Up x Forward. The view keeps that
  // handedness by taking "right" straight to the screen's right.
  const Mat4 view = {r.x, u.x, -f.x, 0, r.y,           u.y,           -f.y,         0,
                     r.z, u.z, -f.z, 0, -Dot(r, eye_), -Dot(u, eye_), Dot(f, eye_), 1};
  const float fx = 1.0f / std::tan(HorizontalFieldOfView * float(M_PI) / 360.0f);
  const float fy = fx * aspect;
  const float a = (FarPlane + NearPlane) / (NearPlane - FarPlane);
  const float b = 2.0f * FarPlane * NearPlane / (NearPlane - FarPlane);
  const Mat4 projection = {fx, 0, 0, 0, 0, fy, 0, 0, 0, 0, a, -1, 0, 0, b, 0};
  return Multiply(projection, view);
}

Vec3 PreviewCamera::RayThrough(float ndcX, float ndcY, float aspect) const {
  const float fx = 1.0f / std::tan(HorizontalFieldOfView * float(M_PI) / 360.0f);
  const float fy = fx * aspect;
  const Vec3 direction = Forward() + Right() * (ndcX / fx) + Up() * (ndcY / fy);
  return direction * (1.0f / Length(direction));
}

}  // namespace tessmoor
