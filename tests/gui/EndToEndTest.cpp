// A small room built the way a user builds it: templates edited in the
// properties window, walls painted with the mouse, the floor filled, saved
// under a name, and compiled with F9 into a model file.

#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <cstring>
#include <fstream>

#include "edit/TextureCommands.h"
#include "editor/windows/EditorCompileForm.h"
#include "editor/windows/EditorPropertiesForm.h"
#include "gui/MainWindowFixture.h"
#include "support/CoreMessageText.h"
#include "textures/TextureFrames.h"
#include "textures/TextureTable.h"

namespace tessmoor {

namespace {

struct ModelHeader {
  char magic[4];
  int32_t startX, startY, textureCount, indexCount, vertexCount, polygonCount, texCoordCount;
};
static_assert(sizeof(ModelHeader) == 32);

ModelHeader ReadHeader(const std::string& path) {
  ModelHeader header{};
  std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(&header), sizeof header);
  return header;
}

class EndToEndTest : public MainWindowFixture {
 protected:
  void AddTextureFromPicture(const std::string& name, const std::string& picture) {
    const int index = Document().textureCount;
    ASSERT_TRUE(AddTexture(Model()).ok);
    ASSERT_TRUE(RenameTexture(Model(), index, name).ok);
    const AddFramesResult added =
        AddFrames(Model(), Editor().programDirectory, index, {Editor().programDirectory + "GFX/" + picture});
    ASSERT_EQ(added.added, 1) << added.message;
  }

  // Right click on the slot, choose kind and textures in the properties window, OK.
  void MakeTemplate(int slot, int type, std::initializer_list<std::pair<const char*, int>> textures) {
    Click(SlotPoint(slot), Qt::RightButton);
    TFrmProperties& properties = Window<TFrmProperties>("FrmProperties");
    ASSERT_TRUE(properties.isVisible());
    properties.findChild<QComboBox*>("CboType")->setCurrentIndex(type);
    for (const auto& [list, entry] : textures) properties.findChild<QComboBox*>(list)->setCurrentIndex(entry);
    properties.findChild<QPushButton*>("BtnOk")->click();
    EXPECT_FALSE(properties.isVisible());
  }

  void ExpectLogCount(const QString& line, const char* label, int32_t count) {
    EXPECT_EQ(line, QString(label) + QString::number(count));
  }
};

TEST_F(EndToEndTest, ARoomBuiltWithTheToolsSavesAndCompilesWithF9) {
  AddTextureFromPicture("Ziegel", "BRICK.PCX");
  AddTextureFromPicture("Stein", "STONE.PCX");

  // Slot 0: a brick wall. Entry 0 of a texture list is "no texture".
  MakeTemplate(0, 1, {{"CboTexWall", 1}});
  ASSERT_EQ(Editor().toolMode, ToolMode::Paint);
  for (int i = 1; i <= 5; ++i)
    for (const auto& [x, y] : {std::pair{i, 1}, std::pair{i, 5}, std::pair{1, i}, std::pair{5, i}})
      Click(CellPoint(x, y));
  EXPECT_EQ(Document().Cell(3, 1).type, 1);
  EXPECT_EQ(Document().Cell(3, 1).texture[SurfaceKind::Wall], 0);

  // Slot 1: open floor of stone under a stone ceiling, filled into the inside.
  MakeTemplate(1, 0, {{"CboTexFloor", 2}, {"CboTexCeiling", 2}});
  Click(CellPoint(3, 3), Qt::RightButton);  // back to Select
  ASSERT_EQ(Editor().toolMode, ToolMode::Select);
  Drag(CellPoint(2, 2), CellPoint(4, 4));
  Trigger("EditFill");
  EXPECT_EQ(Document().Cell(3, 3).texture[SurfaceKind::Floor], 1);
  EXPECT_EQ(Document().Cell(2, 2).type, 0);
  EXPECT_TRUE(Document().modified);

  const std::string mapPath = MapPath("room.tmm");
  const std::string modelPath = MapPath("room.tcm");
  dialogs.saveAsAnswers.push_back(mapPath);
  Trigger("FileSaveAs");
  ASSERT_FALSE(Document().modified);

  QApplication::setActiveWindow(window.get());
  QTest::keyClick(window.get(), Qt::Key_F9);
  EXPECT_TRUE(dialogs.log == std::vector<std::string>{"save"}) << "F9 saves under the name without asking";
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  TFrmCompile& log = Window<TFrmCompile>("FrmCompile");
  EXPECT_TRUE(log.isVisible());
  const QStringList lines = log.Lines();
  ASSERT_EQ(lines.size(), 12) << lines.join('\n').toStdString();
  EXPECT_EQ(lines[0], "Tessmoor Compiler v1.0");
  EXPECT_EQ(lines[2], "Erstelle 3D-Modell..." + QString(64, '.'));
  EXPECT_EQ(lines[9], QString::fromStdString("Erstelle " + modelPath + "..."));
  EXPECT_EQ(lines[11], "Compilierung abgeschlossen.");

  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(modelPath)));
  const ModelHeader header = ReadHeader(modelPath);
  EXPECT_EQ(std::memcmp(header.magic, "TCM1", 4), 0);
  EXPECT_EQ(header.textureCount, 2);
  EXPECT_GT(header.polygonCount, 0);
  ExpectLogCount(lines[4], "Eckpunkte: ", header.vertexCount);
  ExpectLogCount(lines[5], "Polygone: ", header.polygonCount);
  ExpectLogCount(lines[6], "Textur-Koord.: ", header.texCoordCount);
  ExpectLogCount(lines[7], "Indezies: ", header.indexCount);
  const qint64 textureList = 2 * (8 + 13);
  EXPECT_EQ(QFileInfo(QString::fromStdString(modelPath)).size(),
            32 + 81920 + textureList + 4LL * header.indexCount + 16LL * header.vertexCount + 8LL * header.polygonCount +
                8LL * header.texCoordCount);

  // A second compile replaces the log rather than adding to it.
  Trigger("FileCompile");
  EXPECT_EQ(log.Lines().size(), 12);
}

}  // namespace

}  // namespace tessmoor
