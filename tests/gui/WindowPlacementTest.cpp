// Where a window opens beside the main window, on a 1920 x 1080 screen.

#include <gtest/gtest.h>

#include "editor/WindowPlacement.h"

namespace tessmoor {

namespace {

TEST(WindowPlacementTest, TheFirstSideWithRoomWinsElseTheLeastCoveredPlace) {
  const QRect screen(0, 0, 1920, 1080);
  const QSize size(560, 320);
  const struct {
    const char* where;
    QRect main;
    QPoint expected;
  } rows[] = {
      {"right", {0, 0, 1000, 700}, {1000, 0}},
      {"left", {800, 100, 1000, 700}, {240, 100}},
      {"below", {0, 0, 1900, 700}, {0, 700}},
      {"above", {0, 600, 1900, 480}, {0, 280}},
      // Filling the screen: on the screen, at the right edge, level with the main window.
      {"over, right", {0, 0, 1920, 1080}, {1360, 0}},
      // Nowhere free: where it covers least, here pushed up from below.
      {"least covered", {100, 100, 1700, 880}, {100, 760}},
  };
  for (const auto& row : rows) {
    const QPoint at = BesidePosition(row.main, size, screen);
    EXPECT_EQ(at, row.expected) << row.where;
    EXPECT_TRUE(screen.contains(QRect(at, size))) << row.where;
  }
  // A second screen to the right is a screen like any other.
  EXPECT_EQ(BesidePosition({1920, 0, 1000, 700}, size, {1920, 0, 1920, 1080}), QPoint(2920, 0));
}

}  // namespace

}  // namespace tessmoor
