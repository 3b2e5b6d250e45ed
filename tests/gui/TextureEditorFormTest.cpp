#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <memory>

#include "document/PascalString.h"
#include "document/PictureFolders.h"
#include "edit/CellCommands.h"
#include "edit/TextureCommands.h"
#include "editor/widgets/UserSettings.h"
#include "editor/windows/EditorTextureEditorForm.h"
#include "support/ScriptedDialogs.h"
#include "texts/StepTexts.h"
#include "textures/TexturePictures.h"
#include "textures/TextureTable.h"

namespace tessmoor {

namespace {

class TextureEditorFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each test starts as a first run: no picture dialog has been used yet.
    SetLastPictureFolder(QString());
    editor.programDirectory = gfx.Dir();
    form = std::make_unique<TFrmTextureEditor>(model, editor, dialogs, [this] { ++propertiesClosed; });
  }

  void AddNamed(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      ASSERT_TRUE(AddTexture(model).ok);
      RenameTexture(model, doc.textureCount - 1, name);
    }
  }

  void Open() {
    form->show();
    QApplication::processEvents();
  }

  template <typename T>
  T* Find(const char* name) const {
    T* widget = form->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(nullptr, widget) << name;
    return widget;
  }

  QTreeView* List() const { return Find<QTreeView>("LVTextures"); }
  int ListCount() const { return List()->model()->rowCount(); }
  QModelIndex Row(int row) const { return List()->model()->index(row, 0); }
  QString CurrentCaption() const { return List()->currentIndex().data().toString(); }
  QListWidget* Files() const { return Find<QListWidget>("LstFiles"); }

  QStringList Captions() const {
    QStringList captions;
    for (int i = 0; i < ListCount(); ++i) captions << Row(i).data().toString();
    return captions;
  }

  QStringList FileLines() const {
    QStringList lines;
    for (int i = 0; i < Files()->count(); ++i) lines << Files()->item(i)->text();
    return lines;
  }

  std::string StoredName(int texture) const {
    return ReadPascalString(doc.textures[static_cast<size_t>(texture)].name, TextureNameCapacity);
  }

  // The in-place editor of the list, once an edit has started.
  QLineEdit* NameEditor() const { return List()->findChild<QLineEdit*>(QStringLiteral("EdtTextureName")); }

  void SelectTexture(const QString& caption) {
    const QModelIndexList items = List()->model()->match(Row(0), Qt::DisplayRole, caption, -1, Qt::MatchExactly);
    ASSERT_EQ(1, items.size()) << caption.toStdString();
    List()->setCurrentIndex(items.front());
  }

  ProgramDirectory gfx;
  DocumentModel model;
  const MapDocument& doc = model.Map();
  EditorState editor;
  ScriptedDialogs dialogs;
  int propertiesClosed = 0;
  std::unique_ptr<TFrmTextureEditor> form;
};

TEST_F(TextureEditorFormTest, OpeningWithoutTexturesLeavesTheFramePaneDisabled) {
  Open();
  EXPECT_EQ(1, propertiesClosed);
  EXPECT_EQ(QStringLiteral("Textur-Editor"), form->windowTitle());
  EXPECT_EQ(QSize(529, 385), form->size());
  EXPECT_EQ(0, ListCount());
  for (const char* name : {"SpdMoveUp", "SpdMoveDown", "SpdAddFile", "SpdRemoveFile"}) {
    EXPECT_FALSE(Find<QToolButton>(name)->isEnabled()) << name;
  }
  EXPECT_FALSE(Find<QGroupBox>("RdoAnimationType")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>("RdoRepeat")->isChecked());
  EXPECT_EQ(QStringLiteral("Nach oben"), Find<QToolButton>("SpdMoveUp")->toolTip());
}

TEST_F(TextureEditorFormTest, TheListIsSortedByNameAsAGermanReaderExpects) {
  AddNamed({"Ziegel", "\xC4pfel", "apfel", "Bogen"});
  Open();
  EXPECT_EQ(QStringList({"apfel", "Äpfel", "Bogen", "Ziegel"}), Captions());
  EXPECT_EQ(QStringLiteral("apfel"), CurrentCaption());
  EXPECT_TRUE(Find<QToolButton>("SpdAddFile")->isEnabled());
  EXPECT_TRUE(List()->hasFocus());
}

TEST_F(TextureEditorFormTest, ANewTextureIsRenamedInPlaceAndStoredAsWindows1252) {
  AddNamed({"Mauer"});
  Open();
  Find<QPushButton>("BtnAdd")->click();
  ASSERT_EQ(2, doc.textureCount);
  EXPECT_EQ("Neue Textur", StoredName(1));
  QLineEdit* line = NameEditor();
  ASSERT_NE(nullptr, line) << "a new item starts in edit mode";
  EXPECT_EQ(QStringLiteral("Neue Textur"), line->text());

  line->selectAll();
  QTest::keyClicks(line, "Holz ");
  line->insert(QStringLiteral("€ und Öl"));
  QTest::keyClick(line, Qt::Key_Return);
  QApplication::processEvents();

  EXPECT_EQ("Holz \x80 und \xD6l", StoredName(1));
  EXPECT_EQ(QStringList({"Holz € und Öl", "Mauer"}), Captions());
}

TEST_F(TextureEditorFormTest, CharactersWindows1252CannotHoldAreRefusedWhileTyping) {
  AddNamed({"Stein"});
  Open();
  List()->edit(Row(0));
  QLineEdit* line = NameEditor();
  ASSERT_NE(nullptr, line);
  line->selectAll();
  QTest::keyClicks(line, "A");
  QKeyEvent omega(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("Ω"));
  QApplication::sendEvent(line, &omega);
  line->insert(QStringLiteral("日本"));
  QTest::keyClicks(line, "B");
  EXPECT_EQ(QStringLiteral("AB"), line->text());
  EXPECT_EQ(TextureNameCapacity, line->maxLength());
  QTest::keyClick(line, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ("AB", StoredName(0));
}

TEST_F(TextureEditorFormTest, DeletingTheAlphabeticallyLastTextureSelectsTheNewLast) {
  AddNamed({"Beton", "Wasser", "Asphalt"});
  Open();
  SelectTexture(QStringLiteral("Wasser"));
  Find<QPushButton>("BtnDelete")->click();
  EXPECT_EQ(2, doc.textureCount);
  EXPECT_EQ(QStringList({"Asphalt", "Beton"}), Captions());
  ASSERT_TRUE(List()->currentIndex().isValid());
  EXPECT_EQ(QStringLiteral("Beton"), CurrentCaption());
  EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(TextureEditorFormTest, DeletingAUsedTextureShowsTheMessageAndKeepsTheList) {
  AddNamed({"Beton", "Wasser"});
  MapCell slotCell = model.Map().paletteSlots[2].cell;
  slotCell.texture[SurfaceKind::Wall] = 1;
  model.SetSlotCell(2, slotCell);
  Open();
  SelectTexture(QStringLiteral("Wasser"));
  Find<QPushButton>("BtnDelete")->click();
  EXPECT_EQ(std::vector<std::string>({"error:Die Textur wird noch benutzt. Sie kann nicht gelöscht werden."}),
            dialogs.log);
  EXPECT_EQ(2, doc.textureCount);
  EXPECT_EQ(QStringList({"Beton", "Wasser"}), Captions());
}

TEST_F(TextureEditorFormTest, TheTextureLimitIsReportedThroughTheDialogLayer) {
  for (int i = 0; i < MaxTextures; ++i) AddTexture(model);
  Open();
  Find<QPushButton>("BtnAdd")->click();
  EXPECT_EQ(std::vector<std::string>({"error:Die Anzahl der Texturen ist auf 256 begrenzt."}), dialogs.log);
  EXPECT_EQ(MaxTextures, ListCount());
}

TEST_F(TextureEditorFormTest, FramesChosenInTheDialogAreListedAndPreviewed) {
  gfx.AddPicture("GRAS.PCX", 40);
  gfx.AddPicture("MOOS.PCX", 200);
  AddNamed({"Wiese"});
  Open();
  dialogs.pictureAnswers.push_back({gfx.Gfx("GRAS.PCX"), gfx.Gfx("MOOS.PCX")});
  Find<QToolButton>("SpdAddFile")->click();
  EXPECT_EQ(std::vector<std::string>({"pictures"}), dialogs.log);
  EXPECT_EQ(std::vector<std::string>({gfx.Dir() + "GFX/"}), dialogs.startDirectories);
  EXPECT_EQ(QStringList({"GRAS.PCX", "MOOS.PCX"}), FileLines());

  Files()->setCurrentRow(1);
  EXPECT_EQ(QStringLiteral("MOOS.PCX"), Find<QLabel>("LblSubTexture")->text());
  const QImage preview = Find<QWidget>("PntTexture")->grab().toImage();
  ASSERT_EQ(QSize(64, 64), preview.size());
  uint8_t red = 0, green = 0, blue = 0;
  UnpackRGB555(ColourOf(200), red, green, blue);
  EXPECT_EQ(qRgb(red * 8, green * 8, blue * 8), preview.pixel(0, 0));
  EXPECT_EQ(qRgb(red * 8, green * 8, blue * 8), preview.pixel(63, 31));
  // The 8 x 4 picture makes a 64 x 32 thumbnail, drawn at the top; the rest is button face.
  EXPECT_EQ(form->palette().color(QPalette::Button).rgb(), preview.pixel(10, 40));
}

TEST_F(TextureEditorFormTest, ThePictureDialogOffersBothPictureFoldersAndOpensWherePicturesCameFromLast) {
  ApplyPictureFolders();  // the user's own folder, as at the program's start
  const std::string own = QFile::encodeName(UserPictureFolder()).toStdString();
  gfx.AddPicture("GRAS.PCX", 40);
  AddNamed({"Wiese"});
  Open();
  Find<QToolButton>("SpdAddFile")->click();  // cancelled
  ASSERT_EQ(1u, dialogs.startDirectories.size());
  EXPECT_EQ(gfx.Dir() + "GFX/", dialogs.startDirectories[0]) << "the shipped pictures, the first time";
  EXPECT_EQ(std::vector<std::string>({gfx.Dir() + "GFX/", own}), dialogs.pictureSideBars[0]);

  ProgramDirectory::WriteSolid(own + "EIGEN.PCX", 90);
  dialogs.pictureAnswers.push_back({own + "EIGEN.PCX"});
  Find<QToolButton>("SpdAddFile")->click();
  EXPECT_EQ(QStringList({"EIGEN.PCX"}), FileLines());
  // The next dialog, also in a later run of the program, opens where the last pictures came from.
  form = std::make_unique<TFrmTextureEditor>(model, editor, dialogs, [] {});
  Open();
  Find<QToolButton>("SpdAddFile")->click();
  EXPECT_EQ(own, dialogs.startDirectories.back());
  dialogs.pictureAnswers.push_back({gfx.Gfx("GRAS.PCX")});
  Find<QToolButton>("SpdAddFile")->click();
  Find<QToolButton>("SpdAddFile")->click();
  EXPECT_EQ(gfx.Dir() + "GFX/", dialogs.startDirectories.back());
  SetUserPictureFolders({});
}

// A click on "+" shows the first of the frames it added, with no click on its line.
TEST_F(TextureEditorFormTest, TheFirstNewFramesPictureShowsAsSoonAsItIsAdded) {
  gfx.AddPicture("GRAS.PCX", 40);
  gfx.AddPicture("MOOS.PCX", 200);
  gfx.AddPicture("SAND.PCX", 90);
  AddNamed({"Wiese"});
  Open();
  const auto shows = [this](const char* name, int colour) {
    EXPECT_EQ(QString(name), Find<QLabel>("LblSubTexture")->text());
    uint8_t red = 0, green = 0, blue = 0;
    UnpackRGB555(ColourOf(colour), red, green, blue);
    EXPECT_EQ(qRgb(red * 8, green * 8, blue * 8), Find<QWidget>("PntTexture")->grab().toImage().pixel(0, 0)) << name;
  };
  dialogs.pictureAnswers = {{gfx.Gfx("GRAS.PCX")}, {gfx.Gfx("MOOS.PCX"), gfx.Gfx("SAND.PCX")}};
  QTest::mouseClick(Find<QToolButton>("SpdAddFile"), Qt::LeftButton);
  EXPECT_EQ(0, Files()->currentRow());
  shows("GRAS.PCX", 40);
  QTest::mouseClick(Find<QToolButton>("SpdAddFile"), Qt::LeftButton);
  EXPECT_EQ(1, Files()->currentRow());
  shows("MOOS.PCX", 200);
}

TEST_F(TextureEditorFormTest, AFailedPictureKeepsTheFramesBeforeItAndShowsTheGfxPath) {
  gfx.AddPicture("GRAS.PCX", 40);
  AddNamed({"Wiese"});
  Open();
  dialogs.pictureAnswers.push_back({"/elsewhere/GRAS.PCX", "/elsewhere/FEHLT.PCX", gfx.Gfx("GRAS.PCX")});
  Find<QToolButton>("SpdAddFile")->click();
  EXPECT_EQ(QStringList({"GRAS.PCX"}), FileLines());
  ASSERT_EQ(2u, dialogs.log.size());
  EXPECT_EQ("error:Fehler beim Laden von \"" + gfx.Dir() + "GFX/FEHLT.PCX\".", dialogs.log[1]);
}

TEST_F(TextureEditorFormTest, FrameButtonsMoveAndRemoveTheSelectedLine) {
  for (const char* name : {"A.PCX", "B.PCX", "C.PCX"}) gfx.AddPicture(name, 1);
  AddNamed({"Wiese"});
  Open();
  dialogs.pictureAnswers.push_back({gfx.Gfx("A.PCX"), gfx.Gfx("B.PCX"), gfx.Gfx("C.PCX")});
  Find<QToolButton>("SpdAddFile")->click();

  Files()->setCurrentRow(0);
  Find<QToolButton>("SpdMoveDown")->click();
  EXPECT_EQ(QStringList({"B.PCX", "A.PCX", "C.PCX"}), FileLines());
  EXPECT_EQ(1, Files()->currentRow());
  Files()->setCurrentRow(2);
  Find<QToolButton>("SpdMoveUp")->click();
  EXPECT_EQ(QStringList({"B.PCX", "C.PCX", "A.PCX"}), FileLines());
  EXPECT_EQ(1, Files()->currentRow());

  Files()->setCurrentRow(2);
  Find<QToolButton>("SpdRemoveFile")->click();
  EXPECT_EQ(QStringList({"B.PCX", "C.PCX"}), FileLines());
  EXPECT_EQ(1, Files()->currentRow());
  const TextureEntry& entry = doc.textures[0];
  ASSERT_EQ(2, entry.frameCount);
  EXPECT_EQ("B.PCX", ReadPascalString(entry.frames[0].fileName, FrameNameCapacity));
  EXPECT_EQ("C.PCX", ReadPascalString(entry.frames[1].fileName, FrameNameCapacity));
}

TEST_F(TextureEditorFormTest, TheAnimationGroupShowsAndStoresTheSelectedTexturesType) {
  AddNamed({"Feuer", "Eis"});
  SetAnimationType(model, 0, AnimationType::PingPong);
  Open();
  EXPECT_TRUE(Find<QRadioButton>("RdoRepeat")->isChecked());  // "Eis" comes first
  SelectTexture(QStringLiteral("Feuer"));
  EXPECT_TRUE(Find<QRadioButton>("RdoPingPong")->isChecked());
  SelectTexture(QStringLiteral("Eis"));
  Find<QRadioButton>("RdoPingPong")->click();
  EXPECT_EQ(AnimationType::PingPong, doc.textures[1].animationType);
  EXPECT_TRUE(doc.modified) << "the texture table is part of the map";
  EXPECT_EQ(StepText(*model.History().UndoName()), "Animationsart");
}

TEST_F(TextureEditorFormTest, DeletingEndsAnInPlaceEditWithoutStoringIt) {
  AddNamed({"Beton", "Asphalt"});
  model.Replace([](MapDocument& document) { document.Cell(3, 3).texture[SurfaceKind::Floor] = 0; });
  Open();
  SelectTexture(QStringLiteral("Beton"));
  List()->edit(List()->currentIndex());
  QLineEdit* line = NameEditor();
  ASSERT_NE(nullptr, line);
  line->selectAll();
  QTest::keyClicks(line, "Kies");
  Find<QPushButton>("BtnDelete")->click();  // refused: a cell uses it
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(nullptr, NameEditor()) << "the edit is over";
  EXPECT_EQ("Beton", StoredName(0));
  EXPECT_EQ(QStringList({"Asphalt", "Beton"}), Captions());
  EXPECT_EQ(1u, dialogs.log.size());
}

TEST_F(TextureEditorFormTest, EveryMoveOfTheCurrentTextureRefreshesTheFramePane) {
  gfx.AddPicture("GRAS.PCX", 40);
  AddNamed({"Asphalt", "Beton", "Zement"});
  Open();
  dialogs.pictureAnswers.push_back({gfx.Gfx("GRAS.PCX")});
  Find<QToolButton>("SpdAddFile")->click();
  ASSERT_EQ(QStringList({"GRAS.PCX"}), FileLines());
  QTest::keyClick(List(), Qt::Key_End);
  EXPECT_EQ(QStringLiteral("Zement"), CurrentCaption());
  EXPECT_TRUE(FileLines().isEmpty());
  QTest::keyClick(List(), Qt::Key_Home);
  EXPECT_EQ(QStringList({"GRAS.PCX"}), FileLines());
}

// The texture browser opens the editor at a texture; the list is a view of the
// table, so what changes the table while the window is open shows at once.
TEST_F(TextureEditorFormTest, OpensAtTheTextureAskedForAndTheListFollowsTheTable) {
  gfx.AddPicture("GRAS.PCX", 40);
  AddNamed({"Asphalt", "Beton", "Zement"});
  ASSERT_EQ(1, AddFrames(model, gfx.Dir(), 2, {gfx.Gfx("GRAS.PCX")}).added);
  form->SelectTexture(2);
  Open();
  EXPECT_EQ(QStringLiteral("Zement"), CurrentCaption());
  EXPECT_EQ(QStringList({"GRAS.PCX"}), FileLines());
  EXPECT_TRUE(List()->hasFocus());
  form->SelectTexture(0);
  EXPECT_EQ(QStringLiteral("Asphalt"), CurrentCaption());
  EXPECT_TRUE(FileLines().isEmpty());

  RenameTexture(model, 1, "Aaa");
  ASSERT_TRUE(AddTexture(model).ok);
  EXPECT_EQ(QStringList({"Aaa", "Asphalt", "Neue Textur", "Zement"}), Captions());
  EXPECT_EQ(QStringLiteral("Asphalt"), CurrentCaption());
  EXPECT_TRUE(List()->currentIndex().data(Qt::DecorationRole).isNull()) << "names alone, as always";

  // Without a wish the next opening starts at the first by name again.
  form->hide();
  Open();
  EXPECT_EQ(QStringLiteral("Aaa"), CurrentCaption());
}

}  // namespace

namespace {

// The housekeeping buttons run their steps and leave the list and the usage
// label showing the result.
TEST_F(TextureEditorFormTest, ReplaceAndDeleteUnusedAreOneStepEachAndRefreshTheList) {
  AddNamed({"Alpha", "Beta", "Gamma", "Delta"});
  MapCell cell = doc.Cell(0, 0);
  cell.texture[SurfaceKind::Wall] = 1;  // Beta
  cell.texture[SurfaceKind::Floor] = 1;
  SetCell(model, {0, 0}, cell, PaintStepName);
  Open();
  SelectTexture("Beta");

  int asked = -1;
  form->SetReplacementChooser([&](int texture) {
    asked = texture;
    return std::optional<uint16_t>(3);  // Delta
  });
  const size_t steps = model.History().StepCount();
  QTest::mouseClick(Find<QPushButton>("BtnReplace"), Qt::LeftButton);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(doc.Cell(0, 0).texture[SurfaceKind::Wall], 3);
  EXPECT_EQ(doc.Cell(0, 0).texture[SurfaceKind::Floor], 3);
  EXPECT_EQ(model.History().StepCount(), steps + 1);

  QTest::mouseClick(Find<QPushButton>("BtnDeleteUnused"), Qt::LeftButton);
  EXPECT_EQ(Captions(), QStringList{"Delta"});
  EXPECT_EQ(doc.Cell(0, 0).texture[SurfaceKind::Wall], 0) << "renumbered";
  EXPECT_EQ(model.History().StepCount(), steps + 2);
  EXPECT_TRUE(Find<QLabel>("LblUsage")->text().startsWith(QStringLiteral("In 1 Zelle")));
  model.Undo();
  EXPECT_EQ(doc.textureCount, 4);
  EXPECT_EQ(doc.Cell(0, 0).texture[SurfaceKind::Wall], 3);
}

}  // namespace

}  // namespace tessmoor
