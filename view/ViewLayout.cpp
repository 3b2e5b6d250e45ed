#include <algorithm>

#include "view/MapView.h"
#include "view/ViewColours.h"

namespace tessmoor {

ViewRect MapArea(const ViewGeometry& view) {
  return {MapAreaLeft, MapAreaTop, view.width - view.verticalBarWidth - 3, view.height - view.horizontalBarHeight - 3};
}

ScrollBarLayout LayoutScrollBars(int32_t clientWidth, int32_t clientHeight, int32_t viewPortTop,
                                 int32_t verticalBarWidth, int32_t horizontalBarHeight, int32_t cellPictureSize) {
  ScrollBarLayout layout{};
  layout.horizontalLeft = 74;
  layout.horizontalTop = clientHeight - horizontalBarHeight - 2;
  layout.horizontalWidth = clientWidth - verticalBarWidth - 76;
  layout.verticalLeft = clientWidth - verticalBarWidth - 2;
  layout.verticalTop = viewPortTop + 2;
  layout.verticalHeight = clientHeight - viewPortTop - horizontalBarHeight - 4;
  // Divided by the picture size, not by the pitch, and kept as it comes out: a narrow
  // window gets a page step of 0 or less, which the scroll bar has to cope with.
  const int32_t size = std::max(cellPictureSize, 1);
  layout.horizontalPageStep = (clientWidth - 78) / size - 1;
  layout.verticalPageStep = (clientHeight - viewPortTop - 6) / size - 1;
  return layout;
}

}  // namespace tessmoor
