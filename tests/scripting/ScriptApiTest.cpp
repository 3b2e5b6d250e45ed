// The script interface call by call: what each answers on a small map, what
// it refuses and how, and that a run is one step that undo takes back.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <chrono>
#include <thread>

#include "document/MapFile.h"
#include "document/PascalString.h"
#include "scripting/ScriptRunner.h"
#include "texts/Translation.h"
#include "translations/EmbeddedTranslations.h"

namespace tessmoor {
namespace {

class ScriptApiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session.Model().Replace([&](MapDocument& map) {
      ResetDocument(map, session.Editor(), true);
      for (int t = 0; t < 2; ++t) {
        TextureEntry& entry = map.textures[size_t(t)];
        entry.index = t;
        WritePascalString(entry.name, TextureNameCapacity, t == 0 ? "Stein" : "Gr\xfcn");
      }
      map.textureCount = 2;
      map.Cell(3, 4).floorHeight = 2.5f;
      map.Cell(3, 4).texture[SurfaceKind::Floor] = 1;
      map.startPosition = {5, 6};
    });
  }

  ScriptOutcome Run(const std::string& text) {
    ScriptRunner runner(
        ScriptPlace{session, gate, nullptr, true, [&](const std::string& line) { log.push_back(line); }});
    return runner.Run({"Probe", text});
  }

  EditorSession session{TM_BIN_DIR "/"};
  NoFilesGate gate;
  std::vector<std::string> log;
};

TEST_F(ScriptApiTest, CallsAnswerOrRefuseAsTheTableSays) {
  struct Row {
    const char* script;
    const char* value;  // the last expression's value, or the start of the error
    bool throws;
  };
  const Row rows[] = {
      {"tessmoor.get(3, 4, 'floorHeight')", "2.5", false},
      {"tessmoor.cell(3, 4).floorTexture", "1", false},
      {"tessmoor.cell(0, 0).wallTexture", "-1", false},
      {"tessmoor.textures().map(t => t.name).join()", "Stein,Grün", false},
      {"JSON.stringify(tessmoor.start())", "{\"x\":5,\"y\":6}", false},
      {"tessmoor.find({floorTexture: 1}).map(c => c.x + ':' + c.y).join()", "3:4", false},
      {"tessmoor.find(c => c.floorHeight > 2).length", "1", false},
      {"tessmoor.set(1, 1, 'floorHeight', 7); tessmoor.get(1, 1, 'floorHeight')", "7", false},
      {"tessmoor.setCells(0, 0, 1, 1, {floorHeight: 1}, true); tessmoor.get(1, 1, 'floorHeight')", "1", false},
      {"tessmoor.addTexture('Holz')", "2", false},
      {"tessmoor.renameTexture(0, 'Fels'); tessmoor.textures()[0].name", "Fels", false},
      {"tessmoor.replaceTexture(1, 0); tessmoor.get(3, 4, 'floorTexture')", "0", false},
      {"tessmoor.setStart(9, 9); tessmoor.start().x", "9", false},
      {"tessmoor.select(2, 2, 4, 5); JSON.stringify(tessmoor.selection())", "{\"x1\":2,\"y1\":2,\"x2\":4,\"y2\":5}",
       false},
      {"tessmoor.check().some(f => f.code === 'StartInWall')", "false", false},
      {"tessmoor.compile().ok", "true", false},
      {"tessmoor.stamps().length", "0", false},
      {"tessmoor.get(64, 0, 'floorHeight')", "Die Zelle (64, 0) liegt außerhalb der Karte", true},
      {"tessmoor.get(0, 0, 'höhe')", "Ein Feld „höhe“ hat eine Zelle nicht", true},
      {"tessmoor.set(0, 0, 'type', 1.5)", "1.5 passt nicht in das Feld „type“", true},
      {"tessmoor.set(0, 0, {opacity: 300})", "300 passt nicht", true},
      {"tessmoor.get('a', 0, 'type')", "„x“ muss eine Zahl sein", true},
      {"tessmoor.renameTexture(7, 'x')", "Eine Textur 7 gibt es nicht", true},
      {"tessmoor.renameTexture(0, '\u4e2d')", "„中“ enthält ein Zeichen", true},
      {"tessmoor.placeStamp('Halle', 1, 1)", "Einen Stempel „Halle“ gibt es nicht", true},
      {"tessmoor.readText('/etc/passwd')", "Der Zugriff auf Dateien in „/etc“ ist nicht erlaubt", true},
      {"tessmoor.width = 3; tessmoor.width", "64", false},
      {"typeof api + typeof tessmoor.deleteLater + typeof require + typeof XMLHttpRequest",
       "undefinedundefinedundefinedundefined", false},
      {"throw new Error('eigener Fehler')", "eigener Fehler", true},
  };
  for (const Row& row : rows) {
    SetUp();
    const std::vector<uint8_t> before = MapFileBytes(session.Map());
    const ScriptOutcome outcome = Run(row.script);
    SCOPED_TRACE(row.script);
    EXPECT_EQ(!outcome.Ok(), row.throws) << outcome.message;
    const std::string got = row.throws ? outcome.message : outcome.value;
    EXPECT_EQ(got.substr(0, std::string(row.value).size()), row.value);
    if (row.throws) {
      EXPECT_EQ(MapFileBytes(session.Map()), before) << "a script that throws changes nothing";
    }
  }
}

// In English the errors are English; the names a script uses stay what they are.
TEST_F(ScriptApiTest, ErrorsSpeakTheCurrentLanguageAndFieldNamesStayTheSame) {
  QTranslator english;
  ASSERT_TRUE(LoadEnglishTexts(english));
  SetTextLookup(
      [&](const char* context, const char* source) { return english.translate(context, source).toStdString(); });
  const std::pair<const char*, const char*> rows[] = {
      {"tessmoor.get(64, 0, 'floorHeight')", "The cell (64, 0) lies outside the map"},
      {"tessmoor.get(0, 0, 'höhe')", "A cell has no field “höhe”"},
      {"tessmoor.set(0, 0, 'type', 1.5)", "1.5 does not fit in the field “type”"},
      {"tessmoor.get('a', 0, 'type')", "“x” must be a number"},
      {"tessmoor.renameTexture(7, 'x')", "There is no texture 7"},
      {"tessmoor.readText('/etc/passwd')", "Access to files in “/etc” is not allowed"},
  };
  for (const auto& [script, message] : rows) {
    SetUp();
    const ScriptOutcome outcome = Run(script);
    EXPECT_EQ(outcome.message, message) << script;
  }
  const ScriptOutcome fields = Run("tessmoor.cell(3, 4).floorTexture + ':' + tessmoor.get(3, 4, 'floorHeight')");
  SetTextLookup(nullptr);
  EXPECT_EQ(fields.value, "1:2.5") << fields.message;
  EXPECT_EQ(Run("tessmoor.get('a', 0, 'type')").message, "„x“ muss eine Zahl sein");
}

TEST_F(ScriptApiTest, ARunIsOneStepNamedAfterTheScriptAndUndoGivesTheBytesBack) {
  const std::vector<uint8_t> before = MapFileBytes(session.Map());
  const ScriptOutcome outcome =
      Run("for (let x = 0; x < 64; ++x) for (let y = 0; y < 64; ++y) tessmoor.set(x, y, 'floorHeight', x + y);"
          "tessmoor.addTexture('Holz'); tessmoor.setStart(1, 2); tessmoor.log('fertig', {n: 1});");
  ASSERT_TRUE(outcome.Ok()) << outcome.message;
  EXPECT_EQ(session.Map().Cell(63, 62).floorHeight, 125.0f);
  EXPECT_EQ(log, std::vector<std::string>{"fertig {\"n\":1}"});
  EXPECT_EQ(session.Model().History().UndoName(), StepName::Script);
  EXPECT_EQ(session.Model().History().UndoLabel(), "Probe");
  ASSERT_TRUE(session.Model().Undo());
  EXPECT_EQ(MapFileBytes(session.Map()), before);
  EXPECT_FALSE(session.Model().History().CanUndo());
}

TEST_F(ScriptApiTest, AThrowAfterWritesRollsEverythingBackAndNamesTheLine) {
  const std::vector<uint8_t> before = MapFileBytes(session.Map());
  const ScriptOutcome outcome = Run("tessmoor.set(1, 1, 'floorHeight', 9);\ntessmoor.addTexture('Holz');\nnichtDa();");
  EXPECT_EQ(outcome.end, ScriptOutcome::End::Threw);
  EXPECT_EQ(outcome.line, 3);
  const ScriptOutcome inCall = Run("let a = 1;\n  tessmoor.select(1, 2, 3, 99);");
  EXPECT_EQ(inCall.line, 2) << "the script's line, not the interface's own";
  const ScriptOutcome syntax = Run("let a = 1;\nlet b = ;");
  EXPECT_EQ(syntax.line, 2);
  EXPECT_EQ(syntax.column, 9);
  EXPECT_EQ(MapFileBytes(session.Map()), before);
  EXPECT_FALSE(session.Model().History().CanUndo());
}

TEST_F(ScriptApiTest, StopEndsAnEndlessLoopAtOnceAndTakesBackWhatItWrote) {
  const std::vector<uint8_t> before = MapFileBytes(session.Map());
  ScriptRunner runner(ScriptPlace{session, gate, nullptr, true, {}});
  std::chrono::steady_clock::time_point stopped;
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    stopped = std::chrono::steady_clock::now();
    runner.Stop();
  });
  const ScriptOutcome outcome = runner.Run({"Schleife", "tessmoor.set(1, 1, 'floorHeight', 9);\nwhile (true) {}"});
  const auto ended = std::chrono::steady_clock::now();
  stopper.join();
  EXPECT_EQ(outcome.end, ScriptOutcome::End::Stopped);
  EXPECT_EQ(outcome.message, "Das Skript wurde angehalten");
  // A bound far above the promise, only so that a stop that never comes fails.
  EXPECT_LT(ended - stopped, std::chrono::seconds(1));
  EXPECT_EQ(MapFileBytes(session.Map()), before);
  EXPECT_FALSE(session.Model().History().CanUndo());
}

TEST(ScriptHeaderTest, NameAndMenuTextComeFromTheFirstComments) {
  EXPECT_EQ(ReadScriptHeader("// name: Böden würfeln\n// menu: &Böden würfeln\nlet x;", "dice").menuText,
            "&Böden würfeln");
  EXPECT_EQ(ReadScriptHeader("// name: Zählen\n", "count").menuText, "Zählen");
  EXPECT_EQ(ReadScriptHeader("let x; // name: spät", "late").name, "late");
}

}  // namespace
}  // namespace tessmoor

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
