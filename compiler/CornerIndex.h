#pragma once
// Finds the polygon corners that stand at a given position, newest first, so the
// vertex merge need not compare against every corner of its five-cell window.
//
// Positions are compared with float ==, like the window walk it stands in for:
// -0.0 and +0.0 share a key, and a position with a NaN is never entered (it
// could never compare equal to anything).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessmoor {

class CornerIndex {
 public:
  CornerIndex(int maxPositions, int maxCorners);

  void Clear();
  // Enters corner number `corner` at (x, y, z). Corners must be entered in
  // increasing order.
  void Add(int corner, float x, float y, float z);

  // The newest corner at (x, y, z), or -1.
  int Newest(float x, float y, float z) const;
  // The next older corner at the same position, or -1.
  int Older(int corner) const { return older_[size_t(corner)]; }

 private:
  struct Slot {
    float x, y, z;
    int32_t newest;  // -1: empty slot
  };
  size_t Home(float x, float y, float z) const;

  std::vector<Slot> slots_;
  std::vector<int32_t> older_;
  size_t mask_;
  int shift_;
};

}  // namespace tessmoor
