// Datei > Exportieren in the real main window, with the file dialog scripted.

#include <QFileInfo>
#include <QStatusBar>

#include "document/PascalString.h"
#include "gui/MainWindowFixture.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

class ExportGuiTest : public MainWindowFixture {
 protected:
  // The sample map opened from Maps/, with one unsaved change.
  std::string OpenChangedSample() {
    const std::string copy = MapPath("Sample.tmm");
    EXPECT_TRUE(QFile::copy(QString(TM_BIN_DIR) + "/Maps/Sample.tmm", QString::fromStdString(copy)));
    EXPECT_TRUE(window->OpenMapFile(QString::fromStdString(copy)));
    MakeAnEdit();
    dialogs.log.clear();
    dialogs.startDirectories.clear();
    return copy;
  }
};

}  // namespace

TEST_F(ExportGuiTest, ExportsBothFormatsWithoutSavingOrClearingTheChangeMark) {
  const std::string map = OpenChangedSample();
  const std::vector<unsigned char> savedMap = ReadFileBytes(map);
  EXPECT_EQ(Action("FileExport")->text(), "E&xportieren...");
  TempDir out;
  dialogs.exportAnswers = {out.File("level.glb"), out.File("level.obj"), std::nullopt};
  for (int i = 0; i < 3; ++i) Trigger("FileExport");

  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"export", "export", "export"}));
  EXPECT_EQ(dialogs.startDirectories.front(), (programDirectory + "Maps/Sample.glb").toStdString());
  const std::vector<unsigned char> glb = ReadFileBytes(out.File("level.glb"));
  ASSERT_GE(glb.size(), 4u);
  EXPECT_EQ(std::string(glb.begin(), glb.begin() + 4), "glTF");
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(out.File("level.mtl"))));
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(out.File("level.obj"))));
  EXPECT_TRUE(Document().modified);
  EXPECT_EQ(ReadFileBytes(map), savedMap);
  EXPECT_EQ(Document().fileName, map);
}

TEST_F(ExportGuiTest, ProposesTheMapsNameInItsFolderAndSaysWhereItWroteHowManyTriangles) {
  dialogs.exportAnswers = {std::nullopt};
  Trigger("FileExport");
  EXPECT_EQ(dialogs.startDirectories,
            std::vector<std::string>{(programDirectory + "Maps/Unbenannt.glb").toStdString()});

  TempDir elsewhere;
  const std::string map = elsewhere.File("Halle.v2.tmm");
  ASSERT_TRUE(QFile::copy(QString(TM_BIN_DIR) + "/Maps/Sample.tmm", QString::fromStdString(map)));
  ASSERT_TRUE(window->OpenMapFile(QString::fromStdString(map)));
  const std::string obj = elsewhere.File("Halle.v2.obj");
  dialogs.exportAnswers = {obj};
  Trigger("FileExport");
  EXPECT_EQ(dialogs.startDirectories.back(), elsewhere.File("Halle.v2.glb"));
  int triangles = 0;
  QFile written(QString::fromStdString(obj));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  while (!written.atEnd()) triangles += written.readLine().startsWith("f ");
  ASSERT_GT(triangles, 1);
  const QStatusBar* bar = window->statusBar();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->currentMessage(),
            QStringLiteral("Exportiert nach %1: %2 Dreiecke.").arg(QString::fromStdString(obj)).arg(triangles));
}

TEST_F(ExportGuiTest, AMissingPictureIsShownAsAnErrorAndWritesNothing) {
  OpenChangedSample();
  Arrange([](MapDocument& document) {
    WritePascalString(document.textures[0].frames[0].fileName, FrameNameCapacity, "FEHLT.PCX");
    for (MapCell& cell : document.cells) cell.texture[SurfaceKind::Floor] = 0;
  });
  TempDir out;
  dialogs.exportAnswers = {out.File("level.glb")};
  Trigger("FileExport");
  const std::string picture = (programDirectory + "GFX/FEHLT.PCX").toStdString();
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"export", "error:Fehler beim Laden von \"" + picture + "\"."}));
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(out.File("level.glb"))));
}

}  // namespace tessmoor
