// Random scripts on random maps: each run must leave exactly what the same
// calls leave when made through the editing interface directly, as one step
// that one undo takes back to the bytes before the run.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "document/MapFile.h"
#include "document/PascalString.h"
#include "scripting/ScriptFields.h"
#include "scripting/ScriptRunner.h"

namespace tessmoor {
namespace {

// One call, as a script writes it and as the editing interface takes it.
struct Call {
  std::string script;
  std::function<EditResult(EditorSession&)> direct;
};

class RandomCalls {
 public:
  explicit RandomCalls(unsigned seed) : random_(seed) {}

  int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  Call Next() {
    const int x = Number(-2, 65), y = Number(-2, 65), x2 = Number(0, 63), y2 = Number(0, 63);
    const auto cells = [&](std::ostringstream& out) { out << x << ", " << y; };
    std::ostringstream out;
    out << "tessmoor.";
    switch (Number(0, 7)) {
      case 0: {
        const CellField field = AllCellFields[size_t(Number(0, CellFieldCount - 1))];
        const int value = IsHeightField(field) ? Number(-40, 40) : Number(-1, 3);
        CellFieldEdit edit;
        const bool fits = SetScriptFieldValue(edit.values, field, value);
        edit.changed.set(field, fits);
        out << "set(";
        cells(out);
        out << ", '" << ScriptFieldName(field) << "', " << value << ")";
        if (!fits) return {out.str(), [](EditorSession&) { return EditResult{EditCode::Failed}; }};
        return {out.str(), [=](EditorSession& s) { return s.Editing().EditFields({x, y, x, y}, edit); }};
      }
      case 1: {
        CellFieldEdit edit;
        edit.changed.set(CellField::FloorHeight).set(CellField::WaterLevel);
        edit.values.floorHeight = float(Number(-8, 8));
        edit.values.waterLevel = float(Number(-8, 8));
        edit.relativeHeights = Number(0, 1) == 1;
        out << "setCells(";
        cells(out);
        out << ", " << x2 << ", " << y2 << ", {floorHeight: " << edit.values.floorHeight
            << ", waterLevel: " << edit.values.waterLevel << "}, " << (edit.relativeHeights ? "true" : "false") << ")";
        return {out.str(), [=](EditorSession& s) { return s.Editing().EditFields({x, y, x2, y2}, edit); }};
      }
      case 2:
        out << "setStart(" << x << ", " << y << ")";
        return {out.str(), [=](EditorSession& s) { return s.Editing().SetStart({x, y}); }};
      case 3: {
        const std::string name = "T" + std::to_string(Number(0, 99));
        out << "addTexture('" << name << "')";
        return {out.str(), [=](EditorSession& s) {
                  MapEditing& e = s.Editing();
                  const int texture = s.Map().textureCount;
                  return e.Transaction(StepName::AddTexture, [&] {
                    EditResult result = e.AddTexture();
                    return result.Ok() ? e.RenameTexture(texture, name) : result;
                  });
                }};
      }
      case 4: {
        const int texture = Number(-1, 5);
        out << "renameTexture(" << texture << ", 'R" << texture << "')";
        return {out.str(),
                [=](EditorSession& s) { return s.Editing().RenameTexture(texture, "R" + std::to_string(texture)); }};
      }
      case 5: {
        const int from = Number(-1, 4), to = Number(-2, 4);
        out << "replaceTexture(" << from << ", " << to << ")";
        return {out.str(), [=](EditorSession& s) { return s.Editing().ReplaceTexture(from, to); }};
      }
      case 6: {
        const int texture = Number(-1, 5);
        out << "deleteTexture(" << texture << ")";
        return {out.str(), [=](EditorSession& s) { return s.Editing().DeleteTexture(texture); }};
      }
      default:
        out << "select(";
        cells(out);
        out << ", " << x2 << ", " << y2 << ")";
        return {out.str(), [=](EditorSession& s) { return s.Editing().Select({x, y, x2, y2}); }};
    }
  }

  void FillMap(EditorSession& session) {
    session.Model().Replace([&](MapDocument& map) {
      ResetDocument(map, session.Editor(), true);
      map.textureCount = Number(0, 4);
      for (int t = 0; t < map.textureCount; ++t) {
        map.textures[size_t(t)].index = t;
        WritePascalString(map.textures[size_t(t)].name, TextureNameCapacity, "M" + std::to_string(t));
      }
      for (MapCell& cell : map.cells) {
        cell.type = uint8_t(Number(0, 5));
        cell.floorHeight = float(Number(-4, 4));
        cell.texture[SurfaceKind::Floor] =
            uint16_t(Number(0, 5) < map.textureCount ? Number(0, map.textureCount - 1) : NoTexture);
      }
    });
  }

 private:
  std::mt19937 random_;
};

TEST(ScriptPropertyTest, ARunEqualsItsCallsThroughTheEditingInterfaceAndUndoesInOneStep) {
  NoFilesGate gate;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    RandomCalls calls(seed);
    EditorSession scripted(TM_BIN_DIR "/"), direct(TM_BIN_DIR "/");
    RandomCalls maps(seed * 7919);
    maps.FillMap(scripted);
    RandomCalls sameMaps(seed * 7919);
    sameMaps.FillMap(direct);
    const std::vector<uint8_t> before = MapFileBytes(scripted.Map());
    ASSERT_EQ(MapFileBytes(direct.Map()), before);

    std::string script;
    const int count = calls.Number(1, 30);
    for (int i = 0; i < count; ++i) {
      const Call call = calls.Next();
      // A refused call is a script error the script catches and goes on, as a refusal changes nothing.
      script += "try { " + call.script + "; } catch (e) { if (!(e instanceof Error)) throw e; }\n";
      call.direct(direct);
    }
    const bool throwsAtEnd = calls.Number(0, 4) == 0;
    if (throwsAtEnd) script += "throw new Error('am Ende');\n";

    ScriptRunner runner(ScriptPlace{scripted, gate, nullptr, true, {}});
    const ScriptOutcome outcome = runner.Run({"Zufall", script});
    SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + script);
    ASSERT_EQ(outcome.Ok(), !throwsAtEnd) << outcome.message;
    if (throwsAtEnd) {
      EXPECT_EQ(MapFileBytes(scripted.Map()), before);
      EXPECT_FALSE(scripted.Model().History().CanUndo());
      continue;
    }
    EXPECT_EQ(MapFileBytes(scripted.Map()), MapFileBytes(direct.Map()));
    const Selection a = scripted.Editor().selection, b = direct.Editor().selection;
    EXPECT_TRUE(a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2);
    if (scripted.Model().History().CanUndo()) {
      EXPECT_EQ(scripted.Model().History().UndoLabel(), "Zufall");
      ASSERT_TRUE(scripted.Model().Undo());
      EXPECT_FALSE(scripted.Model().History().CanUndo()) << "one run, one step";
    }
    EXPECT_EQ(MapFileBytes(scripted.Map()), before);
  }
}

}  // namespace
}  // namespace tessmoor
