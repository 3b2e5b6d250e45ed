// The 3D window on a platform that may have no OpenGL at all (the offscreen one):
// the main window works on, and F5 either opens the window or says why not.

#include "editor/preview3d/Editor3DViewForm.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

using Preview3DOffscreenTest = MainWindowFixture;

TEST_F(Preview3DOffscreenTest, F5WithoutOpenGLSaysSoAndLeavesTheMainWindowWorking) {
  Trigger("View3D");
  QCoreApplication::processEvents();
  if (window->findChild<TFrm3DView*>("Frm3DView")) {
    EXPECT_TRUE(window->findChild<TFrm3DView*>("Frm3DView")->isVisible());
    GTEST_SKIP() << "this platform has OpenGL";
  }
  ASSERT_EQ(dialogs.log.size(), 1u);
  EXPECT_EQ(dialogs.log[0], "error:Die 3D-Ansicht braucht OpenGL 3.3, das hier nicht zur Verfügung steht.");
  EXPECT_FALSE(Action("View3D")->isChecked());
  EXPECT_FALSE(window->Session().MapView().cameraMarker.shown);
  Click(CellPoint(2, 2));
  EXPECT_EQ(Editor().selection.x1, 2);
}

}  // namespace

}  // namespace tessmoor
