#include "view/MapView.h"
#include "view/ViewColours.h"

ViewRect MapArea(const ViewGeometry& view) {
  return {MapAreaLeft, MapAreaTop, view.width - view.verticalBarWidth - 3,
          view.height - view.horizontalBarHeight - 3};
}

ScrollBarLayout LayoutScrollBars(int32_t clientWidth, int32_t clientHeight, int32_t viewPortTop,
                                 int32_t verticalBarWidth, int32_t horizontalBarHeight) {
  ScrollBarLayout layout{};
  layout.horizontalLeft = 74;
  layout.horizontalTop = clientHeight - horizontalBarHeight - 2;
  layout.horizontalWidth = clientWidth - verticalBarWidth - 76;
  layout.verticalLeft = clientWidth - verticalBarWidth - 2;
  layout.verticalTop = viewPortTop + 2;
  layout.verticalHeight = clientHeight - viewPortTop - horizontalBarHeight - 4;
  // Divided by 64, not by the 65-pixel pitch, and kept as it comes out: a narrow
  // window gets a page step of 0 or less, which the scroll bar has to cope with.
  layout.horizontalPageStep = (clientWidth - 78) / 64 - 1;
  layout.verticalPageStep = (clientHeight - viewPortTop - 6) / 64 - 1;
  return layout;
}
