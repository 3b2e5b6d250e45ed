// PCX files dropped from a file manager become one new texture, one frame per
// file in the order dropped, as one undo step; pictures outside the picture
// folders are copied into the user's own folder, and whatever fails leaves the
// map as it was.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/EditorSession.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "document/PictureFolders.h"
#include "editor/widgets/PictureFileDrops.h"
#include "editor/widgets/UserSettings.h"
#include "support/FaultyFileOps.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "textures/TexturePictures.h"
#include "tools/tmgen/PcxWriter.h"

namespace tessmoor {
namespace {

namespace fs = std::filesystem;

// A 6 x 3 picture of one colour, written by the program's own encoder.
void WritePicture(const std::string& path, uint8_t colour) {
  IndexedPicture picture{6, 3, std::vector<uint8_t>(18, colour), {}};
  for (int i = 0; i < 256; ++i)
    picture.palette[static_cast<size_t>(i)] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)};
  ASSERT_TRUE(WritePcx(path, picture)) << path;
}

std::vector<uint8_t> Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class PictureFileDropsGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    userFolder = QFile::encodeName(UserPictureFolder()).toStdString();
    fs::remove_all(userFolder);
    ApplyPictureFolders();
    session.SetDialogs(&dialogs);
  }
  void TearDown() override { SetUserPictureFolders({}); }

  // Drags `paths` onto a fresh target and drops them when the target takes the drag.
  bool Drop(const std::vector<std::string>& paths, FileOps& ops = RealFileOps()) {
    QWidget target;
    AcceptPictureFileDrops(
        target, [this]() -> EditorSession& { return session; }, ops);
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QFile::decodeName(path.c_str()));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
  }

  std::vector<std::string> FrameNames(int texture) const {
    const TextureEntry& entry = session.Map().textures[static_cast<size_t>(texture)];
    std::vector<std::string> names;
    for (int f = 0; f < entry.frameCount; ++f)
      names.push_back(ReadPascalString(entry.frames[static_cast<size_t>(f)].fileName, FrameNameCapacity));
    return names;
  }

  std::vector<std::string> UserFolderFiles() const {
    std::vector<std::string> names;
    if (fs::exists(userFolder))
      for (const auto& entry : fs::directory_iterator(userFolder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  ProgramDirectory program;
  TempDir outside;
  std::string userFolder;
  ScriptedDialogs dialogs;
  EditorSession session{program.Dir()};
};

TEST_F(PictureFileDropsGuiTest, DroppedPicturesBecomeOneTextureInDropOrderAndOneUndoTakesItBack) {
  ASSERT_TRUE(session.Editing().AddTexture().Ok());
  WritePicture(program.Gfx("GRAS.PCX"), 40);
  WritePicture(outside.File("lava1.PCX"), 90);
  WritePicture(outside.File("Ein langer Name.pcx"), 150);
  const std::vector<uint8_t> before = MapFileBytes(session.Map());
  const size_t steps = session.Model().History().StepCount();

  ASSERT_TRUE(Drop({outside.File("lava1.PCX"), program.Gfx("GRAS.PCX"), outside.File("Ein langer Name.pcx")}));
  EXPECT_TRUE(dialogs.log.empty()) << dialogs.log.front();
  ASSERT_EQ(2, session.Map().textureCount);
  const TextureEntry& entry = session.Map().textures[1];
  EXPECT_EQ("lava1", ReadPascalString(entry.name, TextureNameCapacity));
  EXPECT_EQ(FrameNames(1), (std::vector<std::string>{"lava1.PCX", "GRAS.PCX", "Einlan~1.pcx"}));
  for (int f = 0; f < 3; ++f) EXPECT_FALSE(entry.frames[static_cast<size_t>(f)].thumbnail.IsEmpty()) << f;
  // The picture already in GFX/ stays where it is; the others are copied byte for byte.
  EXPECT_EQ(UserFolderFiles(), (std::vector<std::string>{"Einlan~1.pcx", "lava1.PCX"}));
  EXPECT_EQ(Bytes(userFolder + "lava1.PCX"), Bytes(outside.File("lava1.PCX")));
  EXPECT_EQ(Bytes(userFolder + "Einlan~1.pcx"), Bytes(outside.File("Ein langer Name.pcx")));
  EXPECT_EQ(session.Model().History().StepCount(), steps + 1);

  ASSERT_TRUE(session.Model().Undo());
  EXPECT_EQ(MapFileBytes(session.Map()), before);
  EXPECT_EQ(UserFolderFiles().size(), 2u) << "copies are files, not part of the map";

  // The same file again is found where it was copied; another file of its name gets a name of its own.
  TempDir elsewhere;
  WritePicture(elsewhere.File("LAVA1.PCX"), 200);
  ASSERT_TRUE(Drop({outside.File("lava1.PCX"), elsewhere.File("LAVA1.PCX")}));
  EXPECT_EQ(FrameNames(1), (std::vector<std::string>{"lava1.PCX", "LAVA1~1.PCX"}));
  EXPECT_EQ(UserFolderFiles(), (std::vector<std::string>{"Einlan~1.pcx", "LAVA1~1.PCX", "lava1.PCX"}));
  EXPECT_EQ(Bytes(userFolder + "lava1.PCX"), Bytes(outside.File("lava1.PCX"))) << "the earlier copy stays";
  EXPECT_EQ(ThumbnailColour(session.Map().textures[1].frames[1]),
            GetImagePixel(0, 0, session.Map().textures[1].frames[1].thumbnail));
}

TEST_F(PictureFileDropsGuiTest, AFailedDropLeavesTheMapAndTheUserFolderAsTheyWere) {
  struct Case {
    const char* name;
    std::function<std::vector<std::string>(const TempDir&, EditorSession&)> prepare;
    int failingCall;      // of the copy's file operations; -1 none
    bool taken;           // the drag is accepted
    std::string message;  // shown, with %1 for the first file's path
  };
  const auto good = [](const TempDir& dir, const std::string& name) {
    WritePicture(dir.File(name), 7);
    return dir.File(name);
  };
  const std::vector<Case> cases{
      {"no PCX",
       [&](const TempDir& dir, EditorSession&) {
         return std::vector{good(dir, "A.PCX"), dir.File("b.txt")};
       },
       -1, false, ""},
      {"broken PCX",
       [&](const TempDir& dir, EditorSession&) {
         std::ofstream(dir.File("KAPUTT.PCX")) << "keine Pixel";
         return std::vector{dir.File("KAPUTT.PCX"), good(dir, "A.PCX")};
       },
       -1, true, "Fehler beim Laden von \"%1\"."},
      {"nine files",
       [&](const TempDir& dir, EditorSession&) {
         std::vector<std::string> files;
         for (int i = 0; i < 9; ++i) files.push_back(good(dir, "F" + std::to_string(i) + ".PCX"));
         return files;
       },
       -1, true, "Mehr als 8 Dateien pro Textur sind nicht zulässig."},
      {"table full",
       [&](const TempDir& dir, EditorSession& s) {
         for (int i = 0; i < MaxTextures; ++i) s.Editing().AddTexture();
         return std::vector{good(dir, "A.PCX")};
       },
       -1, true, "Die Anzahl der Texturen ist auf 256 begrenzt."},
      {"copy fails", [&](const TempDir& dir, EditorSession&) { return std::vector{good(dir, "A.PCX")}; }, 1, true,
       "Fehler beim Kopieren von \"%1\" nach \"" + userFolder + "\"."},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    fs::remove_all(userFolder);
    TempDir dir;
    EditorSession fresh(program.Dir());
    ScriptedDialogs shown;
    fresh.SetDialogs(&shown);
    const std::vector<std::string> files = row.prepare(dir, fresh);
    const std::vector<uint8_t> before = MapFileBytes(fresh.Map());
    FaultyFileOps ops(row.failingCall);
    QWidget target;
    AcceptPictureFileDrops(
        target, [&]() -> EditorSession& { return fresh; }, ops);
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : files) urls << QUrl::fromLocalFile(QFile::decodeName(path.c_str()));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    EXPECT_EQ(enter.isAccepted(), row.taken);
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);

    EXPECT_EQ(MapFileBytes(fresh.Map()), before);
    EXPECT_EQ(UserFolderFiles(), std::vector<std::string>{});
    std::string message = row.message;
    if (const size_t at = message.find("%1"); at != std::string::npos) message.replace(at, 2, files.front());
    EXPECT_EQ(shown.log, message.empty() ? std::vector<std::string>{} : std::vector<std::string>{"error:" + message});
  }
}

}  // namespace
}  // namespace tessmoor
