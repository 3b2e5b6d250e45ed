#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QOpenGLContext>
#include <QTimer>

#include "document/PascalString.h"
#include "editor/preview3d/Editor3DViewForm.h"
#include "editor/preview3d/PreviewView.h"
#include "editor/widgets/UiLanguage.h"
#include "editor/widgets/UserSettings.h"
#include "gl/ColouredRoom.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

constexpr uint16_t Red = RoomFloor, Blue = RoomCeiling, Green = RoomWall;

// A 3 x 3 room at columns and rows 10..12, red floor, blue ceiling, walled in
// green, with the start in its middle cell (11, 11).
class PreviewWindowTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    linkPictures = false;
    MainWindowFixture::SetUp();
    ASSERT_TRUE(QDir(programDirectory).mkdir("GFX"));
    const std::vector<ColouredPicture> pictures = {
        {"RED.PCX", {255, 0, 0}}, {"BLUE.PCX", {0, 0, 255}}, {"GREEN.PCX", {0, 255, 0}}};
    ASSERT_TRUE(WriteColouredPictures(programDirectory + "GFX/", pictures));
    Arrange([&pictures](MapDocument& document) {
      BuildColouredRoom(document, pictures);
      document.startPosition = {11, 11};
    });
    // Every test opens the window for the first time.
    ProgramSettings().remove("3DAnsicht/Fenster");
    Open3DView();
  }

  void Open3DView() {
    Trigger("View3D");
    preview = window->findChild<TFrm3DView*>("Frm3DView");
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
    view = &preview->View();
    ASSERT_NE(view->context(), nullptr);
    ASSERT_TRUE(view->context()->isValid());
  }

  // Keys go where a person's keys go: to the focused control of the active window.
  void PressIn3DView(Qt::Key key) {
    // Xvfb has no window manager to give the focus to the window a person clicks.
    QApplication::setActiveWindow(preview);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    ASSERT_EQ(QApplication::focusWidget()->window(), preview);
    QTest::keyClick(QApplication::focusWidget(), key);
  }

  QImage Frame() { return view->grabFramebuffer(); }

  static bool IsColour(QRgb pixel, int red, int green, int blue) {
    return std::abs(qRed(pixel) - red) < 40 && std::abs(qGreen(pixel) - green) < 40 &&
           std::abs(qBlue(pixel) - blue) < 40;
  }

  static QString Describe(QRgb pixel) {
    return QString("(%1, %2, %3)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel));
  }

  TFrm3DView* preview = nullptr;
  PreviewView* view = nullptr;
};

TEST_F(PreviewWindowTest, SolidRoomShowsFloorBelowCeilingAboveAndWallAhead) {
  const QImage image = Frame();
  ASSERT_FALSE(image.isNull());
  const int w = image.width(), h = image.height();
  const QRgb bottom = image.pixel(w / 2, h - 4), top = image.pixel(w / 2, 3), middle = image.pixel(w / 2, h / 2);
  EXPECT_TRUE(IsColour(bottom, 255, 0, 0)) << Describe(bottom).toStdString();
  EXPECT_TRUE(IsColour(top, 0, 0, 255)) << Describe(top).toStdString();
  EXPECT_TRUE(IsColour(middle, 0, 255, 0)) << Describe(middle).toStdString();
  EXPECT_FALSE(preview->findChild<QLabel*>("LblCapacity")->isVisible());
}

TEST_F(PreviewWindowTest, AnEditAndItsUndoShowInTheNextFrame) {
  // A fill as the tools make it: the 3D window hears of it through the document.
  MapCell green = Document().Cell(11, 11);
  green.texture[SurfaceKind::Floor] = Green;
  FillCells(Model(), {10, 10, 12, 12}, green);
  QImage image = Frame();
  QRgb bottom = image.pixel(image.width() / 2, image.height() - 4);
  EXPECT_TRUE(IsColour(bottom, 0, 255, 0)) << Describe(bottom).toStdString();
  Trigger("EditUndo");
  image = Frame();
  bottom = image.pixel(image.width() / 2, image.height() - 4);
  EXPECT_TRUE(IsColour(bottom, 255, 0, 0)) << Describe(bottom).toStdString();
}

TEST_F(PreviewWindowTest, MissingPictureShowsTheCheckerboard) {
  ASSERT_TRUE(QFile::remove(programDirectory + "GFX/RED.PCX"));
  Arrange([](MapDocument& document) {
    WritePascalString(document.textures[Red].frames[0].fileName, FrameNameCapacity, "GONE.PCX");
  });
  const QImage image = Frame();
  int magenta = 0, black = 0;
  for (int x = 0; x < image.width(); x += 3) {
    const QRgb pixel = image.pixel(x, image.height() - 4);
    magenta += IsColour(pixel, 255, 0, 255);
    black += IsColour(pixel, 0, 0, 0);
  }
  EXPECT_GT(magenta, 5);
  EXPECT_GT(black, 5);
}

TEST_F(PreviewWindowTest, DoubleClickSelectsTheCellOfTheFaceAndScrollsTheMapViewToIt) {
  ScrollTo(40, 40);
  QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(view->width() / 2, view->height() / 2));
  // The wall face straight ahead belongs to the wall cell beyond the room.
  const CellRange selected = Normalized(Editor().selection);
  EXPECT_EQ(selected.x1, 11);
  EXPECT_EQ(selected.y1, 13);
  EXPECT_EQ(selected.x2, 11);
  EXPECT_EQ(selected.y2, 13);
  EXPECT_LE(Editor().viewOrigin.x, 11);
  EXPECT_GT(Editor().lastVisibleColumn, 11);
  EXPECT_LE(Editor().viewOrigin.y, 13);
  EXPECT_GT(Editor().lastVisibleRow, 13);
}

TEST_F(PreviewWindowTest, MapViewMarksTheCameraOnlyWhileTheWindowIsOpen) {
  EXPECT_TRUE(window->Session().MapView().cameraMarker.shown);
  EXPECT_EQ(window->Session().MapView().cameraMarker.cell, (GridPoint{11, 11}));
  for (int i = 0; i < 8; ++i) QTest::keyClick(view, Qt::Key_Up);
  EXPECT_EQ(window->Session().MapView().cameraMarker.cell, (GridPoint{11, 12}));
  QTest::keyClick(view, Qt::Key_Home);
  EXPECT_EQ(window->Session().MapView().cameraMarker.cell, (GridPoint{11, 11}));
  Trigger("View3D");
  EXPECT_FALSE(preview->isVisible());
  EXPECT_FALSE(window->Session().MapView().cameraMarker.shown);
}

TEST_F(PreviewWindowTest, AnimationSpeedIsRemembered) {
  preview->SetAnimationRate(12);
  preview->SetAnimationRate(7);  // not offered: ignored
  TFrm3DView another(Document(), Editor(), nullptr);
  EXPECT_EQ(another.AnimationRate(), 12);
  preview->SetAnimationRate(8);
}

TEST_F(PreviewWindowTest, OpensBesideTheMainWindowAndComesBackWhereItWasLeft) {
  const QRect main = window->frameGeometry();
  EXPECT_FALSE(preview->frameGeometry().intersects(main))
      << "3D window at " << preview->frameGeometry().x() << ", " << preview->frameGeometry().y() << "; main window "
      << main.x() << ", " << main.y() << " to " << main.right() << ", " << main.bottom();
  preview->move(main.right() + 40, main.top() + 60);
  QTRY_COMPARE(preview->pos(), QPoint(main.right() + 40, main.top() + 60));
  const QRect left = preview->frameGeometry();
  Trigger("View3D");
  ASSERT_FALSE(preview->isVisible());
  Trigger("View3D");
  EXPECT_EQ(preview->frameGeometry(), left);
  // The next run of the program opens it there too.
  ASSERT_TRUE(window->close());
  window.reset();
  window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  Open3DView();
  EXPECT_EQ(preview->frameGeometry(), left);
}

TEST_F(PreviewWindowTest, F5AndEscapeCloseTheWindowWhileItHasTheFocus) {
  for (const Qt::Key key : {Qt::Key_F5, Qt::Key_Escape}) {
    if (!preview->isVisible()) {
      // Opened again from the main window, as a person does.
      QApplication::setActiveWindow(window.get());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
    }
    ASSERT_TRUE(preview->isVisible());
    PressIn3DView(key);
    EXPECT_FALSE(preview->isVisible()) << QKeySequence(key).toString().toStdString();
    EXPECT_FALSE(Action("View3D")->isChecked());
  }
}

TEST_F(PreviewWindowTest, F1AndTheContextMenuShowTheWindowsKeys) {
  dialogs.log.clear();  // this room's own pictures come without the symbols
  PressIn3DView(Qt::Key_F1);
  ASSERT_EQ(dialogs.log, std::vector<std::string>{"info:Tasten der 3D-Ansicht"});
  const QString keys = QString::fromStdString(dialogs.informationTexts.front());
  for (const char* part : {"gehen", "drehen", "seitwärts", "steigen, sinken", "Pos1: zurück zum Start",
                           "dem Boden folgen", "F5, Esc: schließen"})
    EXPECT_TRUE(keys.contains(QString::fromUtf8(part))) << part << " in\n" << keys.toStdString();
  EXPECT_TRUE(preview->isVisible());

  // The same through the context menu, with its mnemonic.
  QTimer::singleShot(0, [] {
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_T);
  });
  const QPoint middle = view->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Keyboard, middle, view->mapToGlobal(middle));
  QApplication::sendEvent(view, &event);
  EXPECT_EQ(dialogs.log.size(), 2u);
  EXPECT_EQ(dialogs.informationTexts.back(), dialogs.informationTexts.front());
}

// The 3D window needs OpenGL, so the offscreen tour of every window in both
// languages leaves it to this test: its caption, its context menu and its key
// help follow a switch while it is open.
TEST_F(PreviewWindowTest, TheWindowFollowsASwitchOfLanguageWhileOpen) {
  const auto contextMenuTexts = [this] {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        texts << action->text();
        if (action->menu())
          for (const QAction* inner : action->menu()->actions()) texts << inner->text();
      }
      menu->close();
    });
    const QPoint middle = view->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, middle, view->mapToGlobal(middle));
    QApplication::sendEvent(view, &event);
    return texts.join(" | ").toStdString();
  };
  const std::string german = contextMenuTexts();
  EXPECT_EQ(preview->windowTitle(), "3D-Ansicht");
  // Each window hears of the change in an event of its own.
  ApplyUiLanguage(UiLanguage::English);
  QCoreApplication::processEvents();
  EXPECT_EQ(preview->windowTitle(), "3D View");
  EXPECT_EQ(contextMenuTexts(),
            "&Keys... | &Close | &Animation | 4 frames per second | 8 frames per second | 12 frames per second | "
            "16 frames per second");
  dialogs.log.clear();
  PressIn3DView(Qt::Key_F1);
  EXPECT_EQ(dialogs.log, std::vector<std::string>{"info:Keys of the 3D View"});
  ApplyUiLanguage(UiLanguage::German);
  QCoreApplication::processEvents();
  EXPECT_EQ(preview->windowTitle(), "3D-Ansicht");
  EXPECT_EQ(contextMenuTexts(), german);
  ForgetUiLanguage();
}

TEST_F(PreviewWindowTest, AMapBeyondACapacitySaysSoInTheWindow) {
  Arrange([](MapDocument& document) {
    for (MapCell& cell : document.cells) {
      cell.type = static_cast<uint8_t>(CellType::WaterBasin);
      cell.texture[SurfaceKind::Floor] = Red;
      cell.texture[SurfaceKind::Ceiling] = Blue;
      cell.texture[SurfaceKind::Wall] = Green;
    }
  });
  Frame();
  const QLabel* label = preview->findChild<QLabel*>("LblCapacity");
  EXPECT_TRUE(label->isVisible());
  EXPECT_TRUE(label->text().contains("höchstens"));
}

}  // namespace

namespace {

// Without a test profile the built-in 3D view is the test-play: F10 at the start,
// Shift+F10 and Shift+F5 standing in the selected cell, facing as the start does.
TEST_F(PreviewWindowTest, TestPlayWithoutAProfileWalksTheBuiltInViewFromTheStartOrTheSelectedCell) {
  Trigger("View3D");
  ASSERT_FALSE(preview->isVisible());
  struct Step {
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
    QPoint cell;  // selected first, as visible cell (u, v) with the view scrolled to (10, 10)
    GridPoint expected;
  };
  const Step steps[] = {
      {Qt::ShiftModifier, Qt::Key_F10, {0, 2}, {10, 12}},
      {Qt::ShiftModifier, Qt::Key_F5, {2, 0}, {12, 10}},
      {Qt::NoModifier, Qt::Key_F10, {2, 2}, {11, 11}},
  };
  ScrollTo(10, 10);
  for (const Step& step : steps) {
    Click(CellPoint(step.cell.x(), step.cell.y()));
    QTest::keyClick(view, Qt::Key_Right);  // turned away, so the pose must be set anew
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), step.key, step.modifiers);
    EXPECT_TRUE(preview->isVisible());
    const PreviewCamera& camera = view->Camera();
    EXPECT_EQ(camera.Cell(), step.expected);
    EXPECT_EQ(camera.Yaw(), 0.0f);
    EXPECT_FALSE(camera.FreeFlight());
    EXPECT_EQ(window->Session().MapView().cameraMarker.cell, step.expected);
  }
}

}  // namespace

}  // namespace tessmoor
