// Two sessions in one process are two editors: edits, selections, clipboards,
// histories, symbols and saves of one never reach the other.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <random>

#include "app/EditorSession.h"
#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "view/EditingTools.h"

namespace tessmoor {



namespace {

using Grid = std::array<MapCell, GridSize * GridSize>;

Grid CellsOf(const MapDocument& document) {
  Grid cells;
  for (int y = 0; y < GridSize; ++y)
    for (int x = 0; x < GridSize; ++x) cells[static_cast<size_t>(y * GridSize + x)] = document.Cell(x, y);
  return cells;
}

bool SameCells(const Grid& a, const Grid& b) { return std::memcmp(a.data(), b.data(), sizeof(Grid)) == 0; }

struct SessionUnderTest {
  TempDir dir;
  ScriptedDialogs dialogs;
  std::unique_ptr<EditorSession> session;
  Grid expected;

  SessionUnderTest() {
    std::filesystem::create_directory(dir.Dir() + "Maps");
    session = std::make_unique<EditorSession>(dir.Dir());
    session->SetDialogs(&dialogs);
    expected = CellsOf(session->Map());
  }
};

TEST(EditorSession, TwoSessionsEditUndoCopyAndSaveWithoutSeeingEachOther) {
  std::array<SessionUnderTest, 2> sessions;
  std::filesystem::create_directory_symlink(std::string(TM_BIN_DIR) + "/TMEGfx", sessions[0].dir.Dir() + "TMEGfx");
  ASSERT_TRUE(sessions[0].session->LoadAssets());
  EXPECT_FALSE(sessions[0].session->Editor().cellSymbols[1].IsEmpty());
  EXPECT_TRUE(sessions[1].session->Editor().cellSymbols[1].IsEmpty()) << "assets are per session";

  std::mt19937 random(19);
  for (int step = 0; step < 200; ++step) {
    SessionUnderTest& edited = sessions[random() % 2];
    EditorSession& session = *edited.session;
    const int x = static_cast<int>(random() % GridSize);
    const int y = static_cast<int>(random() % GridSize);
    switch (random() % 4) {
      case 0:
      case 1: {
        MapCell cell = session.Map().Cell(x, y);
        cell.type = static_cast<uint8_t>(random() % CellTypeCount);
        cell.floorHeight = static_cast<float>(random() % 64);
        SetCell(session.Model(), {x, y}, cell, PaintStepName);
        break;
      }
      case 2:
        session.Editor().selection = {x, y, std::min(x + 2, GridSize - 1), std::min(y + 1, GridSize - 1)};
        CopySelection(session.Map(), session.Editor());
        break;
      case 3:
        if (session.Model().History().CanUndo()) session.Model().Undo();
        break;
    }
    edited.expected = CellsOf(session.Map());
    // The invariant after every step: each session holds exactly what was done to it.
    for (SessionUnderTest& each : sessions) ASSERT_TRUE(SameCells(CellsOf(each.session->Map()), each.expected));
  }
  // Pasting uses the session's own clipboard.
  for (SessionUnderTest& each : sessions) {
    each.session->Editor().selection = {0, 0, 0, 0};
    if (PasteClipboard(each.session->Model(), each.session->Editor())) each.expected = CellsOf(each.session->Map());
  }

  for (size_t i = 0; i < sessions.size(); ++i) {
    SessionUnderTest& each = sessions[i];
    const std::string path = each.dir.Dir() + "Maps/session" + std::to_string(i) + ".tmm";
    each.dialogs.saveAsAnswers.push_back(path);
    ASSERT_TRUE(each.session->Files().SaveDocumentAs());
    EXPECT_EQ(each.session->Map().fileName, path);
    EXPECT_FALSE(each.session->Map().modified);
  }
  EXPECT_TRUE(sessions[0].dialogs.log == std::vector<std::string>{"save"});
  EXPECT_TRUE(sessions[1].dialogs.log == std::vector<std::string>{"save"}) << "each session asks through its own layer";

  // Read back in fresh sessions: each file holds its own session's cells.
  for (size_t i = 0; i < sessions.size(); ++i) {
    EditorSession reader(sessions[i].dir.Dir());
    ASSERT_TRUE(reader.Files().LoadDocument(sessions[i].session->Map().fileName));
    EXPECT_TRUE(SameCells(CellsOf(reader.Map()), sessions[i].expected)) << "session " << i;
  }
  EXPECT_FALSE(SameCells(sessions[0].expected, sessions[1].expected));
}

}  // namespace

}  // namespace tessmoor
