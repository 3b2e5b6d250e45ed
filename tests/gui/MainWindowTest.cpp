// The main window as a user meets it: its layout at the design size, the
// picture that reaches the screen, the scroll bars, the layer menu, and the
// File commands driven through the real menu actions with scripted dialogs.

#include <QDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <fstream>

#include "editor/windows/EditorPropertiesForm.h"
#include "editor/widgets/IntSpinField.h"
#include "graphics/RenderSurface.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

constexpr RGB555 GridWhite = 0xFFFF;
constexpr RGB555 LightGrey = 0x5EF7;
constexpr RGB555 Red = 0x7C00;
constexpr RGB555 Black = 0x0000;
constexpr RGB555 White = 0x7FFF;

RGB555 SurfacePixel(int x, int y) {
  const RenderSurface& surface = Surface();
  return surface.pixels[static_cast<size_t>(y) * static_cast<size_t>(surface.width) + static_cast<size_t>(x)];
}

const char* const UnsavedQuestion = "ask-save";
const char* const UntitledCaption = "Tessmoor Editor - Unbenannt.tmm";

// Runs `act` on the modal dialog that the next command opens.
void OnNextModalDialog(std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) act(*dialog);
  });
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, OpensAtTheDesignSizeWithToolBarAndScrollBarsAtTheirPlaces) {
  EXPECT_EQ(viewPort->geometry(), QRect(0, 25, 528, 294));
  EXPECT_EQ(Control<QWidget>("PnlToolBar")->geometry(), QRect(0, 0, 528, 25));
  // Client 528 x 319: the horizontal bar from x 74, 436 wide; the vertical one from y 27, 274 high.
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->geometry(), QRect(74, 301, 436, 16));
  EXPECT_EQ(Control<QScrollBar>("ScrVertical")->geometry(), QRect(510, 27, 16, 274));
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->pageStep(), 6);
  EXPECT_EQ(Control<QScrollBar>("ScrVertical")->pageStep(), 3);
  for (const char* bar : {"ScrHorizontal", "ScrVertical"}) {
    EXPECT_EQ(Control<QScrollBar>(bar)->minimum(), 0);
    EXPECT_EQ(Control<QScrollBar>(bar)->maximum(), 63);
    EXPECT_EQ(Control<QScrollBar>(bar)->singleStep(), 1);
  }
}

TEST_F(MainWindowTest, StartsUntitledInSelectModeOnTheWallLayerWithoutClipboard) {
  EXPECT_EQ(window->windowTitle(), UntitledCaption);
  EXPECT_TRUE(Control<QToolButton>("SpdSelect")->isChecked());
  EXPECT_TRUE(Action("ViewWall")->isChecked());
  EXPECT_EQ(Editor().currentLayer, SurfaceKind::Wall);
  EXPECT_EQ(Editor().toolMode, ToolMode::Select);
  EXPECT_EQ(Editor().hoverCell, (GridPoint{-1, -1}));
  EXPECT_TRUE(Control<QLabel>("LblPos")->text().isEmpty());
  EXPECT_FALSE(Action("EditPaste")->isEnabled());
  EXPECT_FALSE(Document().modified);
  EXPECT_EQ(Editor().programDirectory, programDirectory.toStdString());
  EXPECT_FALSE(Window<TFrmProperties>("FrmProperties").isVisible());
  EXPECT_TRUE(dialogs.log.empty()) << "the symbols load without a message";
}

TEST_F(MainWindowTest, RedrawAtTheDesignSizeDrawsEightColumnsAndSixRows) {
  ASSERT_TRUE(Surface().created);
  EXPECT_EQ(Surface().width, 528);
  EXPECT_EQ(Surface().height, 294);
  EXPECT_EQ(Editor().lastVisibleColumn, 7);
  EXPECT_EQ(Editor().lastVisibleRow, 5);
  for (int u = 1; u <= 6; ++u) EXPECT_EQ(SurfacePixel(73 + 65 * u, 150), GridWhite) << "column line " << u;
  for (int v = 1; v <= 4; ++v) EXPECT_EQ(SurfacePixel(300, 2 + 65 * v), GridWhite) << "row line " << v;
  EXPECT_EQ(SurfacePixel(73 + 65 * 3 + 30, 2 + 65 * 2 + 40), Black) << "an empty cell";
  EXPECT_EQ(SurfacePixel(0, 290), LightGrey) << "palette strip";
  EXPECT_EQ(SurfacePixel(527, 150), White) << "outer right line of the map frame";
  EXPECT_EQ(SurfacePixel(514, 280), LightGrey) << "corner square between the bars";
  // Select mode: a double red frame around the selected cell (0, 0).
  EXPECT_EQ(SurfacePixel(100, 2), Red);
  EXPECT_EQ(SurfacePixel(100, 4), Red);
  EXPECT_EQ(SurfacePixel(100, 3), Black);
}

TEST_F(MainWindowTest, PaintShowsTheComposedSurfaceUnchanged) {
  const QImage onScreen = viewPort->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const RenderSurface& surface = Surface();
  const QImage composed = QImage(reinterpret_cast<const uchar*>(surface.pixels), surface.width, surface.height,
                                 surface.width * 2, QImage::Format_RGB555)
                              .convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(onScreen.size(), composed.size());
  EXPECT_TRUE(onScreen == composed);
}

TEST_F(MainWindowTest, ResizingRecreatesTheSurfaceAndLaysOutTheBars) {
  ResizeView(801, 575);  // client 801 x 600
  EXPECT_EQ(Surface().width, 800) << "an odd width drops one pixel";
  EXPECT_EQ(Surface().height, 575);
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->geometry(), QRect(74, 582, 709, 16));
  EXPECT_EQ(Control<QScrollBar>("ScrVertical")->geometry(), QRect(783, 27, 16, 555));
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->pageStep(), (801 - 78) / 64 - 1);
  EXPECT_EQ(Control<QScrollBar>("ScrVertical")->pageStep(), (600 - 25 - 6) / 64 - 1);
  EXPECT_EQ(Editor().lastVisibleColumn, 11);
}

TEST_F(MainWindowTest, ATinyViewGetsPageStepsOfZero) {
  window->resize(150, 120);
  QCoreApplication::processEvents();
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->pageStep(), 0);
  EXPECT_EQ(Control<QScrollBar>("ScrVertical")->pageStep(), 0);
}

TEST_F(MainWindowTest, ScrollBarsMoveTheViewAndANewMapPutsThemBack) {
  ScrollTo(12, 30);
  EXPECT_EQ(Editor().viewOrigin, (GridPoint{12, 30}));
  EXPECT_EQ(Editor().lastVisibleColumn, 19);
  dialogs.newMapAnswers.push_back(NewMapKind::EraseAll);
  Trigger("FileNew");
  EXPECT_EQ(Editor().viewOrigin, (GridPoint{0, 0}));
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->value(), 0);
  EXPECT_EQ(Control<QScrollBar>("ScrVertical")->value(), 0);
}

TEST_F(MainWindowTest, LayerItemsAreOneRadioGroupThatSetsTheLayer) {
  const struct {
    const char* item;
    SurfaceKind layer;
  } rows[] = {{"ViewFloor", SurfaceKind::Floor},
              {"ViewCeiling", SurfaceKind::Ceiling},
              {"ViewPedestalFloor", SurfaceKind::PedestalFloor},
              {"ViewPedestalCeiling", SurfaceKind::PedestalCeiling},
              {"ViewWall", SurfaceKind::Wall}};
  for (const auto& row : rows) {
    Trigger(row.item);
    EXPECT_EQ(Editor().currentLayer, row.layer) << row.item;
    int checked = 0;
    for (const auto& other : rows) checked += Action(other.item)->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(Action(row.item)->isChecked());
  }
  EXPECT_FALSE(Document().modified);
}

TEST_F(MainWindowTest, MenuItemsCarryTheirShortcutsWithTheGivenOneFirst) {
  const struct {
    const char* item;
    QList<QKeySequence> keys;
  } rows[] = {
      {"FileNew", {QKeySequence("Ctrl+N")}},
      {"FileOpen", {QKeySequence("F3"), QKeySequence("Ctrl+O")}},
      {"FileSave", {QKeySequence("F2"), QKeySequence("Ctrl+S")}},
      {"FileSaveAs", {}},
      {"FileCompile", {QKeySequence("F9")}},
      {"FileExit", {}},
      {"EditFill", {QKeySequence("Ins")}},
      {"EditCopy", {QKeySequence("Ctrl+Ins"), QKeySequence("Ctrl+C")}},
      {"EditPaste", {QKeySequence("Shift+Del"), QKeySequence("Ctrl+V")}},
      {"EditSetStartPos", {}},
      {"EditSaveStamp", {}},
      {"EditFindReplace", {QKeySequence("Ctrl+F")}},
      {"PlaceTurnRight", {QKeySequence("R")}},
      {"PlaceTurnLeft", {QKeySequence("Shift+R")}},
      {"PlaceMirrorX", {QKeySequence("X")}},
      {"PlaceMirrorY", {QKeySequence("Y")}},
      {"ViewProperties", {QKeySequence("F7")}},
      {"ViewTextureEditor", {QKeySequence("F6")}},
      {"ViewFloor", {QKeySequence("Ctrl+F1")}},
      {"ViewCeiling", {QKeySequence("Ctrl+F2")}},
      {"ViewWall", {QKeySequence("Ctrl+F3")}},
      {"ViewPedestalFloor", {QKeySequence("Ctrl+F4")}},
      {"ViewPedestalCeiling", {QKeySequence("Ctrl+F5")}},
  };
  for (const auto& row : rows) {
    ASSERT_NE(Action(row.item), nullptr) << row.item;
    EXPECT_EQ(Action(row.item)->shortcuts(), row.keys) << row.item;
  }
}

TEST_F(MainWindowTest, PasteIsEnabledOnlyOnceSomethingWasCopied) {
  emit Control<QMenu>("MnuEdit")->aboutToShow();
  EXPECT_FALSE(Action("EditPaste")->isEnabled());
  Trigger("EditCopy");
  emit Control<QMenu>("MnuEdit")->aboutToShow();
  EXPECT_TRUE(Action("EditPaste")->isEnabled());
}

TEST_F(MainWindowTest, PropertiesWindowFollowsMenuAndToolButton) {
  auto* button = Control<QToolButton>("SpdProperties");
  Trigger("ViewProperties");
  EXPECT_TRUE(Window<TFrmProperties>("FrmProperties").isVisible());
  EXPECT_TRUE(button->isChecked());
  Trigger("ViewProperties");
  EXPECT_FALSE(Window<TFrmProperties>("FrmProperties").isVisible());
  EXPECT_FALSE(button->isChecked());

  button->click();
  EXPECT_TRUE(Window<TFrmProperties>("FrmProperties").isVisible());
  Window<TFrmProperties>("FrmProperties").close();
  EXPECT_FALSE(button->isChecked()) << "the button follows the window's own closing";
  emit Control<QMenu>("MnuView")->aboutToShow();
  EXPECT_FALSE(Action("ViewProperties")->isChecked());
  button->click();
  emit Control<QMenu>("MnuView")->aboutToShow();
  EXPECT_TRUE(Action("ViewProperties")->isChecked());
}

TEST_F(MainWindowTest, OpeningTheTextureEditorClosesThePropertiesWindow) {
  Trigger("ViewProperties");
  bool opened = false;
  OnNextModalDialog([&](QDialog& dialog) {
    opened = dialog.objectName() == "FrmTextureEditor" || dialog.windowTitle() == "Textur-Editor";
    dialog.reject();
  });
  Trigger("ViewTextureEditor");
  EXPECT_TRUE(opened);
  EXPECT_FALSE(Window<TFrmProperties>("FrmProperties").isVisible());
  EXPECT_FALSE(Document().modified);
}

TEST_F(MainWindowTest, StartPositionIsTakenAsTypedWithoutMarkingTheMapModified) {
  OnNextModalDialog([](QDialog& dialog) {
    dialog.findChild<IntSpinField*>("SpnPosX")->setValue(70);
    dialog.findChild<IntSpinField*>("SpnPosY")->setValue(-3);
    dialog.accept();
  });
  Trigger("EditSetStartPos");
  EXPECT_EQ(Document().startPosition.x, 70);
  EXPECT_EQ(Document().startPosition.y, -3);
  EXPECT_TRUE(Document().modified) << "a new start position is a change of the map";
  Trigger("EditUndo");
  EXPECT_EQ(Document().startPosition.x, 0);
  EXPECT_FALSE(Document().modified);
}

// --- File commands ---

TEST_F(MainWindowTest, OpenAsksForTheFileBeforeTheUnsavedChangesQuestion) {
  Arrange([](MapDocument& document) { document.Cell(1, 1).type = 1; });
  MakeAnEdit();
  dialogs.openAnswers.push_back(MapPath("any.tmm"));
  dialogs.saveAnswers.push_back(SaveChangesAnswer::Cancel);
  Trigger("FileOpen");
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"open", UnsavedQuestion}));
  EXPECT_EQ(dialogs.startDirectories.front(), MapPath(""));
  EXPECT_TRUE(Document().modified) << "cancel leaves the document as it was";
  EXPECT_EQ(Document().Cell(1, 1).type, 1);
}

TEST_F(MainWindowTest, CancellingTheFileDialogAsksNothingElse) {
  MakeAnEdit();
  Trigger("FileOpen");
  dialogs.newMapAnswers.push_back(std::nullopt);
  Trigger("FileNew");
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"open", "new"}));
  EXPECT_TRUE(Document().modified);
}

TEST_F(MainWindowTest, YesOnAnUntitledMapAsksForANameAndItsCancelCancelsTheOpen) {
  MakeAnEdit();
  dialogs.openAnswers.push_back(MapPath("any.tmm"));
  dialogs.saveAnswers.push_back(SaveChangesAnswer::Yes);
  Trigger("FileOpen");
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"open", UnsavedQuestion, "save"}));
  EXPECT_TRUE(Document().modified);
  EXPECT_EQ(window->windowTitle(), UntitledCaption);
}

TEST_F(MainWindowTest, AFailedLoadKeepsTheOpenMapWithItsNameChangesAndHistory) {
  const std::string bad = MapPath("bad.tmm");
  WriteText(bad, "not a map");
  dialogs.saveAsAnswers.push_back(MapPath("first.tmm"));
  Trigger("FileSaveAs");
  const QString caption = QString::fromStdString("Tessmoor Editor - " + MapPath("first.tmm"));
  ASSERT_EQ(window->windowTitle(), caption);
  MakeAnEdit();

  dialogs.openAnswers.push_back(bad);
  dialogs.saveAnswers.push_back(SaveChangesAnswer::No);
  Trigger("FileOpen");
  EXPECT_EQ(dialogs.log.back(), "error:" + bad + " ist keine TMM-Datei.");
  EXPECT_EQ(window->windowTitle(), caption);
  EXPECT_TRUE(Document().modified);
  EXPECT_EQ(Action("EditUndo")->text(), "&Rückgängig: Malen");
  dialogs.log.clear();
  Trigger("FileSave");
  EXPECT_TRUE(dialogs.log.empty()) << "saved under its own name";
  EXPECT_FALSE(Document().modified);
}

TEST_F(MainWindowTest, SaveAfterSaveAsWritesToThatPathWithoutADialog) {
  const std::string path = MapPath("room.tmm");
  dialogs.saveAsAnswers.push_back(path);
  Trigger("FileSaveAs");
  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(path)));
  EXPECT_EQ(window->windowTitle().toStdString(), "Tessmoor Editor - " + path);

  QFile::remove(QString::fromStdString(path));
  MakeAnEdit();
  dialogs.log.clear();
  Trigger("FileSave");
  EXPECT_TRUE(dialogs.log.empty());
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(path)));
  EXPECT_FALSE(Document().modified);
  EXPECT_EQ(window->windowTitle().toStdString(), "Tessmoor Editor - " + path);
}

TEST_F(MainWindowTest, TheToolBarButtonsOpenAndSave) {
  Control<QToolButton>("SpdOpen")->click();
  Control<QToolButton>("SpdSave")->click();
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"open", "save"}));
}

TEST_F(MainWindowTest, TheSampleMapOpensWithItsPathInTheCaption) {
  const QString sample = QString(TM_BIN_DIR) + "/Maps/Sample.tmm";
  if (!QFileInfo::exists(sample)) GTEST_SKIP() << "no sample map generated";
  const std::string copy = MapPath("Sample.tmm");
  ASSERT_TRUE(QFile::copy(sample, QString::fromStdString(copy)));
  dialogs.openAnswers.push_back(copy);
  Trigger("FileOpen");
  EXPECT_EQ(window->windowTitle().toStdString(), "Tessmoor Editor - " + copy);
  EXPECT_EQ(Document().fileName, copy);
  EXPECT_GT(Document().textureCount, 0);
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"open"})) << "every picture loads";
}

TEST_F(MainWindowTest, NewWithTakeOverKeepsTheTexturesAndHidesTheProperties) {
  Arrange([](MapDocument& document) { document.textureCount = 1; });
  Trigger("ViewProperties");
  dialogs.newMapAnswers.push_back(NewMapKind::TakeOverTextures);
  Trigger("FileNew");
  EXPECT_EQ(Document().textureCount, 1);
  EXPECT_FALSE(Window<TFrmProperties>("FrmProperties").isVisible());
  dialogs.newMapAnswers.push_back(NewMapKind::EraseAll);
  Trigger("FileNew");
  EXPECT_EQ(Document().textureCount, 0);
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"new", "new"}));
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsksAndCancelKeepsTheWindowOpen) {
  MakeAnEdit();
  dialogs.saveAnswers.push_back(SaveChangesAnswer::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  dialogs.saveAnswers.push_back(SaveChangesAnswer::Yes);
  dialogs.saveAsAnswers.push_back(std::nullopt);
  Trigger("FileExit");
  EXPECT_TRUE(window->isVisible()) << "a save that did not happen keeps the program open";
  dialogs.saveAnswers.push_back(SaveChangesAnswer::No);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{UnsavedQuestion, UnsavedQuestion, "save", UnsavedQuestion}));
}

TEST_F(MainWindowTest, ClosingWithoutChangesAsksNothing) {
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(MainWindowTest, CompilingAnUnsavedMapShowsTheErrorAndNoLog) {
  Trigger("FileCompile");
  EXPECT_EQ(dialogs.log,
            (std::vector<std::string>{
                "save", "error:Die Compilierung kann nicht durchgeführt werden, bevor die Daten gespeichert wurden."}));
  const QWidget* log = window->findChild<QWidget*>("FrmCompile");
  EXPECT_TRUE(log == nullptr || !log->isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

class MissingSymbolsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    linkPictures = false;
    MainWindowFixture::SetUp();
  }
};

TEST_F(MissingSymbolsTest, ShowOneErrorBoxAndTheProgramStaysUsable) {
  QCoreApplication::processEvents();
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"error:Konnte ein oder mehrere Symbole nicht laden."}));
  MapCell slotCell = Model().Map().paletteSlots[0].cell;
  slotCell.type = 1;
  Model().SetSlotCell(0, slotCell);
  Trigger("EditFill");
  EXPECT_EQ(Document().Cell(0, 0).type, 1);
}

}  // namespace

}  // namespace tessmoor
