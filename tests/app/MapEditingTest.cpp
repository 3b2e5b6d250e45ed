// The editing interface under random work: operations with good and bad
// arguments inside nested transactions that commit or roll back, checked
// after every step against the bytes they must leave, the history they must
// make and the notices they must send.

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "app/MapEditing.h"
#include "document/MapFile.h"
#include "document/PascalString.h"

namespace tessmoor {
namespace {

struct NoticeCounter : SessionObserver {
  std::vector<SessionNotice> heard;
  void SessionChanged(SessionNotice notice) override { heard.push_back(notice); }
};

class MapEditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.Replace([&](MapDocument& map) {
      ResetDocument(map, editor, true);
      for (int t = 0; t < 3; ++t) {
        TextureEntry& entry = map.textures[size_t(t)];
        entry.index = t;
        WritePascalString(entry.name, TextureNameCapacity, "T" + std::to_string(t));
      }
      map.textureCount = 3;
    });
    editing.AddObserver(&notices);
  }

  std::vector<uint8_t> Bytes() const { return MapFileBytes(model.Map()); }

  GridPoint AnyCell(bool mayBeOff) {
    const int low = mayBeOff ? -2 : 0, high = mayBeOff ? GridSize + 1 : GridSize - 1;
    return {std::uniform_int_distribution<int>(low, high)(random),
            std::uniform_int_distribution<int>(low, high)(random)};
  }
  CellRange AnyRange(bool mayBeOff) {
    const GridPoint a = AnyCell(mayBeOff), b = AnyCell(false);
    return {a.x, a.y, std::clamp(b.x, a.x - 6, a.x + 6), std::clamp(b.y, a.y - 6, a.y + 6)};
  }

  // One operation with random arguments; what it answered.
  EditResult AnyOperation() {
    const bool off = random() % 8 == 0;
    const unsigned kind = random() % 9;
    mapEdit = kind != 2 && kind != 6 && kind != 7;
    switch (kind) {
      case 0: {
        CellFieldEdit edit;
        edit.changed.set(CellField::FloorHeight);
        edit.values.floorHeight = float(random() % 40) - 20.0f;
        edit.relativeHeights = random() % 2 == 0;
        return editing.EditFields(AnyRange(off), edit);
      }
      case 1:
        return editing.Fill(AnyRange(off));
      case 2:
        return editing.Copy(AnyRange(off));
      case 3:
        return editing.Paste(AnyCell(off), Orientation{int32_t(random() % 11) - 5, random() % 2 == 0});
      case 4:
        return editing.SetStart(AnyCell(off));
      case 5:
        return editing.RenameTexture(int(random() % 5) - 1, "N" + std::to_string(random() % 100));
      case 6:
        return editing.SetCurrentSlot(int(random() % 6) - 1);
      case 7:
        return editing.Select(AnyRange(off));
      default:
        return random() % 4 == 0 ? editing.DeleteTexture(int(random() % 4)) : editing.AddTexture();
    }
  }

  EditorState editor;
  DocumentModel model;
  MapEditing editing{model, editor};
  NoticeCounter notices;
  std::mt19937 random{30};
  bool mapEdit = false;  // the last operation was one on the map, not on the session's state
};

TEST_F(MapEditingTest, TransactionsAreOneStepOrNoneAndRollBackToTheByte) {
  for (int round = 0; round < 150; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::vector<uint8_t> before = Bytes();
    const size_t stepsBefore = model.History().UndoCount();
    const int outcome = int(random() % 3);  // commit, fail, throw
    bool edited = false;
    const auto body = [&]() -> EditResult {
      const int operations = int(random() % 5);
      for (int i = 0; i < operations; ++i) {
        const std::vector<uint8_t> inner = Bytes();
        const size_t heard = notices.heard.size();
        const Selection selected = editor.selection;
        const EditResult result = AnyOperation();
        // A refused operation changes nothing at all.
        if (!result.Ok()) {
          EXPECT_EQ(Bytes(), inner);
          EXPECT_EQ(notices.heard.size(), heard);
          EXPECT_EQ(editor.selection.x1, selected.x1);
        }
        edited = edited || (result.Ok() && mapEdit);
        // A nested transaction that fails takes back only its own part.
        if (random() % 4 == 0) {
          const std::vector<uint8_t> outer = Bytes();
          editing.Transaction(StepName::Fill, [&] {
            editing.Fill(AnyRange(false));
            return EditResult{EditCode::Failed};
          });
          EXPECT_EQ(Bytes(), outer);
        }
      }
      if (outcome == 2) throw std::runtime_error("stopped");
      return outcome == 1 ? EditResult{EditCode::Failed, {"nein"}} : EditResult{};
    };
    if (outcome == 2) {
      EXPECT_THROW(editing.Transaction(StepName::EditSelection, body), std::runtime_error);
    } else {
      editing.Transaction(StepName::EditSelection, body);
    }
    ASSERT_FALSE(model.InTransaction());
    // An edit that changes nothing (a height offset of 0) makes no command either.
    if (outcome != 0 || !edited || model.History().UndoCount() == stepsBefore) {
      ASSERT_EQ(Bytes(), before);
      ASSERT_EQ(model.History().UndoCount(), stepsBefore) << "a rolled back or empty transaction is no step";
      continue;
    }
    ASSERT_EQ(model.History().UndoCount(), stepsBefore + 1);
    ASSERT_EQ(model.History().UndoName(), StepName::EditSelection);
    const std::vector<uint8_t> after = Bytes();
    ASSERT_TRUE(model.Undo());
    ASSERT_EQ(Bytes(), before) << "one undo takes the whole transaction back";
    ASSERT_TRUE(model.Redo());
    ASSERT_EQ(Bytes(), after);
  }
}

// A new or opened map resets the selection and the slot; the observers hear
// of what changed, after every document observer (the windows) took the map in.
TEST_F(MapEditingTest, AReplacedMapTellsTheSelectionAndSlotItChanged) {
  struct LastToHear : DocumentObserver {
    NoticeCounter* notices;
    size_t heardBefore = 0;
    void DocumentChanged(const DocumentChange&) override { heardBefore = notices->heard.size(); }
  } window;
  window.notices = &notices;
  ASSERT_TRUE(editing.Select({2, 2, 5, 5}).Ok());
  ASSERT_TRUE(editing.SetCurrentSlot(2).Ok());
  model.AddObserver(&window);
  notices.heard.clear();
  model.Replace([&](MapDocument& map) { ResetDocument(map, editor, true); });
  EXPECT_EQ(notices.heard, (std::vector<SessionNotice>{SessionNotice::Selection, SessionNotice::Slot}));
  EXPECT_EQ(window.heardBefore, 0u) << "the notices come after the document's observers";
  notices.heard.clear();
  model.Replace([&](MapDocument& map) { ResetDocument(map, editor, true); });
  EXPECT_TRUE(notices.heard.empty()) << "nothing changed, nothing told";
  model.RemoveObserver(&window);
}

TEST_F(MapEditingTest, ResultsCarryTheirCodeAndArguments) {
  struct Row {
    std::function<EditResult()> call;
    EditCode code;
    std::vector<std::string> args;
  };
  const std::vector<Row> rows = {
      {[&] {
         return editing.Fill({0, 0, 64, 3});
       },
       EditCode::OutOfGrid,
       {"64", "3"}},
      {[&] {
         return editing.SetStart({-1, 5});
       },
       EditCode::OutOfGrid,
       {"-1", "5"}},
      {[&] {
         return editing.Paste({1, 1}, Orientation{});
       },
       EditCode::NoBlockToPaste,
       {}},
      {[&] { return editing.RenameTexture(7, "X"); }, EditCode::NoSuchTexture, {"7"}},
      {[&] { return editing.DeleteTexture(-1); }, EditCode::NoSuchTexture, {"-1"}},
      {[&] { return editing.SetCurrentSlot(4); }, EditCode::NoSuchSlot, {"4"}},
      {[&] {
         return editing.Select({63, 63, 0, 0});
       },
       EditCode::Done,
       {}},
      {[&] {
         return editing.SetStart({5, 6});
       },
       EditCode::Done,
       {}},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    const EditResult result = rows[i].call();
    EXPECT_EQ(result.code, rows[i].code) << "row " << i;
    EXPECT_EQ(result.args, rows[i].args) << "row " << i;
  }
  EXPECT_EQ(model.Map().startPosition.x, 5);
  EXPECT_EQ(notices.heard, std::vector<SessionNotice>{SessionNotice::Selection});
  // Undo and redo wait for the transaction's end.
  editing.Transaction(StepName::Fill, [&] {
    EXPECT_FALSE(model.Undo());
    return EditResult{};
  });
}

}  // namespace
}  // namespace tessmoor
