// Where the editor's own windows first open beside the main window.

#include <gtest/gtest.h>

#include "editor/widgets/WindowPlacement.h"

namespace tessmoor {

namespace {

struct PlacementRow {
  const char* what;
  QRect owner;
  int barsBottom;
  QRect expected;
};

TEST(WindowPlacement, BesideTheOwnerWhereThereIsRoomAndNeverOverItsBars) {
  const QRect screen(0, 0, 1600, 1000);
  const QSize frame(642, 510);
  const PlacementRow rows[] = {
      {"room on the right", QRect(0, 0, 528, 340), 55, QRect(528, 0, 642, 510)},
      {"room on the left only", QRect(1000, 100, 600, 340), 155, QRect(358, 100, 642, 510)},
      {"low on the screen: pushed up", QRect(0, 800, 528, 180), 855, QRect(528, 490, 642, 510)},
      {"centred: narrower at the right", QRect(535, 276, 529, 315), 331, QRect(1064, 276, 536, 510)},
      {"centred, more room left", QRect(560, 276, 529, 315), 331, QRect(0, 276, 560, 510)},
      {"no room: over the map, below the bars", QRect(120, 50, 1400, 900), 110, QRect(0, 111, 642, 510)},
      {"no room, owner left", QRect(0, 0, 1500, 900), 60, QRect(958, 61, 642, 510)},
      {"no room, bars low: shorter, not past the screen", QRect(300, 700, 1000, 290), 765, QRect(958, 766, 642, 234)},
  };
  for (const PlacementRow& row : rows) {
    SCOPED_TRACE(row.what);
    const QRect placed = PlaceBeside(row.owner, row.barsBottom, frame, screen);
    EXPECT_EQ(placed, row.expected) << placed.x() << ", " << placed.y() << ", " << placed.width() << " x "
                                    << placed.height();
    const QRect bars(row.owner.left(), row.owner.top(), row.owner.width(), row.barsBottom - row.owner.top() + 1);
    EXPECT_FALSE(placed.intersects(bars));
    EXPECT_TRUE(screen.contains(placed));
  }
}

}  // namespace

}  // namespace tessmoor
