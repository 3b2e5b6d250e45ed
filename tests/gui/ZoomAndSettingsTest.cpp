// The main window's zoom, what it remembers between runs, the recent maps, and
// the tool windows' own Alt keys.

#include <QMenu>
#include <QSettings>
#include <QWheelEvent>
#include <cstdlib>

#include "editor/windows/EditorPropertiesForm.h"
#include "gui/MainWindowFixture.h"
#include "view/HitTesting.h"
#include "view/ScaledPictures.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

class ZoomAndSettingsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    // Settings of this run only, never the user's.
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    MainWindowFixture::SetUp();
  }

  void CtrlWheel(QPoint at, int delta) {
    QWheelEvent wheel(at, viewPort->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewPort, &wheel);
  }

  QStringList RecentEntries() {
    auto* menu = Control<QMenu>("MnuRecent");
    emit menu->aboutToShow();
    QStringList entries;
    for (QAction* item : menu->actions()) entries << (item->isEnabled() ? "" : "-") + item->text();
    return entries;
  }

  QTemporaryDir config;
};

TEST_F(ZoomAndSettingsTest, CtrlWheelKeepsTheCellUnderThePointer) {
  ResizeView(900, 700);
  ScrollTo(20, 30);
  const QPoint points[] = {{80, 10}, {400, 300}, {780, 640}, {200, 500}};
  const int deltas[] = {-120, -120, 120, 120, 120, -120};
  for (const QPoint at : points) {
    for (const int delta : deltas) {
      const GridPoint before = PointerCell(Editor(), window->Geometry(), at.x(), at.y());
      const int level = window->Geometry().zoomLevel;
      CtrlWheel(at, delta);
      EXPECT_EQ(window->Geometry().zoomLevel, ClampZoomLevel(level + (delta > 0 ? -1 : 1)));
      // Only the grid's edges may push the cell away from the pointer.
      const GridPoint after = PointerCell(Editor(), window->Geometry(), at.x(), at.y());
      if (Editor().viewOrigin.x > 0 && Editor().viewOrigin.x < Control<QScrollBar>("ScrHorizontal")->maximum()) {
        EXPECT_EQ(after.x, before.x) << at.x() << "," << at.y() << " level " << level;
      }
      if (Editor().viewOrigin.y > 0 && Editor().viewOrigin.y < Control<QScrollBar>("ScrVertical")->maximum()) {
        EXPECT_EQ(after.y, before.y) << at.x() << "," << at.y() << " level " << level;
      }
      EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->value(), Editor().viewOrigin.x);
    }
  }
}

TEST_F(ZoomAndSettingsTest, AResizedWindowKeepsTheCellAtTheTopLeftUnlessTheGridsEndForcesItBack) {
  ResizeView(900, 600);
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);  // 32 pixels a cell
  ASSERT_EQ(window->Geometry().zoomLevel, DefaultZoomLevel + 1);
  const GridPoint wanted{30, 25};
  ScrollTo(wanted.x, wanted.y);
  ASSERT_EQ(Editor().viewOrigin, wanted);
  std::srand(27);
  const int extra = window->height() - viewPort->height();
  for (int step = 0; step < 40; ++step) {
    // From a sliver to more than the whole grid at this zoom, and back.
    const int width = step % 5 == 4 ? 900 : 60 + std::rand() % 2400;
    const int height = step % 5 == 4 ? 600 : 40 + std::rand() % 2400;
    window->resize(width, height + extra);
    QCoreApplication::processEvents();
    const ViewGeometry view = window->Geometry();
    const ViewRect area = MapArea(view);
    const GridPoint expected{std::min(wanted.x, ScrollMaximum(view.zoomLevel, area.right - area.left + 1)),
                             std::min(wanted.y, ScrollMaximum(view.zoomLevel, area.bottom - area.top + 1))};
    ASSERT_EQ(Editor().viewOrigin, expected) << "step " << step << ", view " << view.width << " x " << view.height;
  }
}

TEST_F(ZoomAndSettingsTest, WholeMapShowsEveryCellAndClicksHitAtThatSize) {
  ResizeView(700, 640);
  ScrollTo(30, 40);
  Trigger("ViewZoomWhole");
  EXPECT_EQ(window->Geometry().zoomLevel, SmallestZoomLevel);
  EXPECT_EQ(Editor().viewOrigin, (GridPoint{0, 0}));
  EXPECT_EQ(Editor().lastVisibleColumn, 63);
  EXPECT_EQ(Editor().lastVisibleRow, 63);
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->maximum(), 0);
  Click({73 + 9 * 40 + 4, 2 + 9 * 50 + 4});
  EXPECT_EQ(Editor().selection.x1, 40);
  EXPECT_EQ(Editor().selection.y1, 50);
  // The keys as a user types them, each with the level it leads to.
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int level;
  } keys[] = {{Qt::Key_0, Qt::ControlModifier, 1},     {Qt::Key_Minus, Qt::ControlModifier, 2},
              {Qt::Key_Equal, Qt::ControlModifier, 1}, {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, 0},
              {Qt::Key_Plus, Qt::ControlModifier, 0},  {Qt::Key_9, Qt::ControlModifier, 4}};
  for (const auto& k : keys) {
    QTest::keyClick(window.get(), k.key, k.modifiers);
    EXPECT_EQ(window->Geometry().zoomLevel, k.level) << k.key;
  }
  Trigger("ViewZoomReset");
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->maximum(), 63);
}

TEST_F(ZoomAndSettingsTest, ZoomedPicturesFollowALoadedMapsTextures) {
  window->ZoomTo(3, {});
  ASSERT_TRUE(QFile::copy(QString(TM_BIN_DIR) + "/Maps/Sample.tmm", programDirectory + "Maps/s.tmm"));
  ASSERT_TRUE(window->OpenMapFile(programDirectory + "Maps/s.tmm"));
  ASSERT_GT(Document().textureCount, 0);
  const ScaledPictureCache& cache = window->Session().ScaledPictures();
  EXPECT_EQ(cache.levels[3].frames.size(), static_cast<size_t>(Document().textureCount));
  EXPECT_NE(ScaledThumbnail(cache, 3, Document().textureCount - 1, 0), nullptr);
  Trigger("FileNew");
  EXPECT_EQ(cache.levels[3].frames.size(), static_cast<size_t>(Document().textureCount));
}

TEST_F(ZoomAndSettingsTest, ASecondRunComesBackAsTheFirstWasLeft) {
  QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear();
  window->RestoreSettings();
  EXPECT_EQ(window->Geometry().zoomLevel, DefaultZoomLevel);
  window->resize(811, 633);
  QCoreApplication::processEvents();
  Trigger("ViewFloor");
  Trigger("ViewZoomOut");
  dialogs.saveAsAnswers.push_back(MapPath("kept.tmm"));
  Trigger("FileSaveAs");
  ASSERT_TRUE(window->close());
  window.reset();

  window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
  window->RestoreSettings();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_EQ(window->size(), QSize(811, 633));
  EXPECT_EQ(window->Geometry().zoomLevel, DefaultZoomLevel + 1);
  EXPECT_EQ(Editor().currentLayer, SurfaceKind::Floor);
  EXPECT_TRUE(Action("ViewFloor")->isChecked());
  EXPECT_EQ(RecentEntries(), QStringList{"&1 " + QString::fromStdString(MapPath("kept.tmm"))});
}

TEST_F(ZoomAndSettingsTest, RecentMapsAreNewestFirstAndOpenLikeOpen) {
  const QStringList expectEmpty{"-(leer)"};
  EXPECT_EQ(RecentEntries(), expectEmpty);
  for (const char* name : {"a.tmm", "b.tmm", "a.tmm"}) {
    dialogs.saveAsAnswers.push_back(MapPath(name));
    Trigger("FileSaveAs");
  }
  const QString a = QString::fromStdString(MapPath("a.tmm"));
  const QString b = QString::fromStdString(MapPath("b.tmm"));
  EXPECT_EQ(RecentEntries(), (QStringList{"&1 " + a, "&2 " + b}));
  ASSERT_TRUE(QFile::remove(a));
  EXPECT_EQ(RecentEntries(), (QStringList{"-&1 " + a, "&2 " + b}));

  // Opening b with unsaved changes asks first; Cancel keeps the map.
  MakeAnEdit();
  QAction* second = Control<QMenu>("MnuRecent")->actions()[1];
  dialogs.saveAnswers.push_back(SaveChangesAnswer::Cancel);
  second->trigger();
  EXPECT_EQ(dialogs.log.back(), "ask-save");
  EXPECT_EQ(Document().fileName, a.toStdString());
  dialogs.saveAnswers.push_back(SaveChangesAnswer::No);
  second->trigger();
  EXPECT_EQ(Document().fileName, b.toStdString());
  EXPECT_EQ(RecentEntries(), (QStringList{"&1 " + b, "-&2 " + a}));
}

TEST_F(ZoomAndSettingsTest, AltKeysInThePropertiesWindowStayThere) {
  auto& properties = Window<TFrmProperties>("FrmProperties");
  Trigger("ViewProperties");
  properties.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&properties));
  // The offscreen platform leaves Qt Widgets' idea of the active window behind.
  QApplication::setActiveWindow(&properties);
  properties.findChild<QWidget*>("CboType")->setFocus();
  // "&Deckenhöhe:" rather than "&Datei", "&Bodenhöhe:" rather than "&Bearbeiten".
  QTest::keyClick(&properties, Qt::Key_D, Qt::AltModifier);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "SpnCeilingHeight0");
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  QTest::keyClick(&properties, Qt::Key_B, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "SpnFloorHeight");
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  // "&Abbrechen" rather than "&Ansicht".
  QTest::keyClick(&properties, Qt::Key_A, Qt::AltModifier);
  EXPECT_FALSE(properties.isVisible());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

}  // namespace

}  // namespace tessmoor
