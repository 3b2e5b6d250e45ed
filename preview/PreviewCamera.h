#pragma once
// The 3D view's camera and how it moves. Walk mode keeps the eye at standing
// height above the floor below it, never enters a wall cell and never leaves the
// grid; free flight goes anywhere.
//
// Yaw 0 looks towards growing row numbers (+Z); growing yaw turns right, which
// in this model's left-handed world is towards +X.

#include "document/MapDocument.h"
#include "preview/PreviewMath.h"

namespace tessmoor {

constexpr float HorizontalFieldOfView = 90.0f;  // degrees

class PreviewCamera {
 public:
  // The start pose: the start cell's eye, looking level along +Z, walking.
  void Reset(const MapDocument& document);
  // The start pose moved to `cell`: its eye, looking as the start pose does,
  // walking. A cell outside the grid is moved to the nearest one.
  void StandAt(const MapDocument& document, GridPoint cell);

  // Moves along the looking direction (negative: back) or sideways (positive:
  // right), level in walk mode. A walk into a wall or off the grid slides along
  // it where one of the two axes is free and stops otherwise.
  void Walk(const MapDocument& document, float distance);
  void Strafe(const MapDocument& document, float distance);
  // Positive turns right / looks up, in radians. Pitch stays short of straight up or down.
  void Turn(float radians);
  void Pitch(float radians);
  // Up (positive) or down; in walk mode this changes the height above the floor.
  void Rise(const MapDocument& document, float distance);

  // Walk mode is taken up only where one can stand (the eye is then put on the
  // floor); false when it was refused.
  bool SetFreeFlight(const MapDocument& document, bool free);
  bool FreeFlight() const { return freeFlight_; }

  // After the document changed: a walking eye follows its floor, and one that a
  // wall or a new map has left standing where nobody can stand goes back to
  // the start pose.
  void Settle(const MapDocument& document);

  Vec3 Eye() const { return eye_; }
  float Yaw() const { return yaw_; }
  float PitchAngle() const { return pitch_; }
  Vec3 Forward() const;  // unit, including pitch
  Vec3 Right() const;    // unit, level
  Vec3 Up() const;       // unit
  GridPoint Cell() const;

  // World to clip space for a view `aspect` times as wide as high.
  Mat4 ViewProjection(float aspect) const;
  // The unit direction through a point of the picture, in normalized device
  // coordinates (-1..1, +y up).
  Vec3 RayThrough(float ndcX, float ndcY, float aspect) const;

 private:
  void MoveLevel(const MapDocument& document, Vec3 step);
  void SnapToFloor(const MapDocument& document);

  Vec3 eye_;
  float yaw_ = 0;
  float pitch_ = 0;
  float raise_ = 0;  // walk mode: above or below the standing eye height
  bool freeFlight_ = false;
};

// True when walk mode may stand in (x, y): inside the grid and not a wall.
bool IsWalkable(const MapDocument& document, GridPoint cell);

}  // namespace tessmoor
