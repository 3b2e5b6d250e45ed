// Runs the built tmcompile program as a build pipeline would.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "compiler/CompileMap.h"
#include "compiler/CompilerTestMaps.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "support/TempDir.h"
#include "texts/CompileLogLines.h"
#include "tools/tmcompile/Arguments.h"
#include "tools/tmcompile/Manual.h"

namespace tessmoor {

using namespace compiler_test;

namespace {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string ReadText(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class TmcompileTest : public ::testing::Test {
 protected:
  // Without a locale of its own unless `environment` ("LANG=en_US.UTF-8") gives one,
  // so a developer's English desktop does not change what the tests read.
  ProgramRun Tmcompile(const std::vector<std::string>& arguments, const std::string& environment = "") {
    std::string command =
        "env -u LC_ALL -u LC_MESSAGES -u LANG " + environment + " " + Quoted(std::string(TM_BIN_DIR) + "/tmcompile");
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    const std::string out = dir.File("stdout.txt"), err = dir.File("stderr.txt");
    command += " > " + Quoted(out) + " 2> " + Quoted(err) + " < /dev/null";
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(out);
    run.err = ReadText(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
  }

  // A map with textures whose pictures exist nowhere: the batch compiler must not need them.
  std::unique_ptr<MapDocument> MapWithMissingPictures() {
    auto map = FlatOpenMap();
    map->startPosition = {12, 34};
    for (int t = 0; t < 4; ++t) {
      TextureEntry& entry = map->textures[size_t(t)];
      WritePascalString(entry.name, TextureNameCapacity, "Textur " + std::to_string(t));
      entry.frameCount = 1;
      WritePascalString(entry.frames[0].fileName, FrameNameCapacity, "MISSING" + std::to_string(t) + ".PCX");
    }
    MapCell& column = map->Cell(30, 30);
    column.type = static_cast<uint8_t>(CellType::Column);
    column.texture[SurfaceKind::Wall] = WallTexture;
    return map;
  }

  std::string SaveAsMap(MapDocument& map, const std::string& name) {
    const std::string path = dir.File(name);
    EXPECT_TRUE(SaveMap(map, path).ok);
    return path;
  }

  TempDir dir;
};

}  // namespace

TEST_F(TmcompileTest, CompilesASavedMapWithoutItsPicturesToTheSameBytesAsTheEditor) {
  auto map = MapWithMissingPictures();
  const std::string mapPath = SaveAsMap(*map, "level.tmm");
  const std::string modelPath = dir.File("level.tcm");

  const ProgramRun run = Tmcompile({mapPath});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> expected = {
      "Tessmoor Compiler v1.0",
      "",
      "Erstelle 3D-Modell..." + std::string(64, '.'),
      "",
      "Eckpunkte: 8474",
      "Polygone: 8204",
      "Textur-Koord.: 29",
      "Indezies: 32816",
      "",
      "Erstelle " + modelPath + "...",
      "",
      "Compilierung abgeschlossen.",
  };
  EXPECT_EQ(Lines(run.out), expected);

  MapCompiler compiler;
  CompileLogLines log;
  const std::string reference = dir.File("reference.tcm");
  ASSERT_TRUE(compiler.Compile(*map, reference, log));
  EXPECT_EQ(ReadFileBytes(modelPath), ReadFileBytes(reference));
}

TEST_F(TmcompileTest, WritesTheModelWhereDashOSays) {
  auto map = EmptyMap();
  const std::string mapPath = SaveAsMap(*map, "a.b.tmm");
  const std::string modelPath = dir.File("out.model");
  const ProgramRun run = Tmcompile({"-o", modelPath, mapPath});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(modelPath).size(), 81952u);
  EXPECT_FALSE(std::filesystem::exists(dir.File("a.b.tcm")));
  EXPECT_NE(run.out.find("Erstelle " + modelPath + "...\n"), std::string::npos);
}

TEST_F(TmcompileTest, FailuresExitOneWithTheReasonOnStderr) {
  auto tooDetailed = FlatOpenMap();
  for (MapCell& cell : tooDetailed->cells) cell.texture[SurfaceKind::PedestalFloor] = StepTexture;
  for (int x = 0; x < 64; ++x) {
    for (int y = x % 2; y < 64; y += 2) tooDetailed->Cell(x, y).floorHeight = 32.0f;
  }
  const std::string tooDetailedPath = SaveAsMap(*tooDetailed, "big.tmm");
  const std::string goodPath = SaveAsMap(*EmptyMap(), "good.tmm");
  const std::string notAMap = dir.File("notes.tmm");
  WriteFileBytes(notAMap, {'T', 'M', 'M', '1'});
  const std::string missing = dir.File("missing.tmm");
  const std::string unwritable = dir.File("no/such/dir/x.tcm");

  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{missing}, "tmcompile: cannot open " + missing + ": No such file or directory"},
      {{notAMap}, notAMap + " ist keine TMM-Datei."},
      {{tooDetailedPath}, "Fehler: Zu viele Polygone (höchstens 12000)."},
      {{"-o", unwritable, goodPath}, "Fehler beim Erstellen von " + unwritable + "!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ProgramRun run = Tmcompile(c.arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, c.message + "\n");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("big.tcm")));
}

TEST_F(TmcompileTest, NeverWritesTheModelOverItsOwnMapAndNeverWaitsOnAFifo) {
  const std::string map = SaveAsMap(*EmptyMap(), "level.tcm");  // its model would be level.tcm too
  const std::vector<unsigned char> mapBytes = ReadFileBytes(map);
  std::filesystem::create_directories(dir.File("sub"));
  std::filesystem::create_symlink(map, dir.File("link.tcm"));
  const std::string refusal = "Fehler: Das Modell %s würde die Karte " + map + " überschreiben!";
  const auto refusalFor = [&](const std::string& model) {
    return std::string(refusal).replace(refusal.find("%s"), 2, model);
  };
  ASSERT_EQ(0, ::mkfifo(dir.File("fifo.tmm").c_str(), 0644));

  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{map}, refusalFor(map)},
      {{"-o", map, map}, refusalFor(map)},
      {{"-o", dir.File("sub/../level.tcm"), map}, refusalFor(dir.File("sub/../level.tcm"))},
      {{"-o", dir.File("link.tcm"), map}, refusalFor(dir.File("link.tcm"))},
      {{dir.File("fifo.tmm")}, dir.File("fifo.tmm") + " ist keine TMM-Datei."},
      {{dir.File("sub")}, dir.File("sub") + " ist keine TMM-Datei."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ProgramRun run = Tmcompile(c.arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, c.message + "\n");
    EXPECT_EQ(mapBytes, ReadFileBytes(map));
  }
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.tcm")));
}

TEST_F(TmcompileTest, WrongArgumentsExitTwoWithUsageOnStderr) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"-x", "a.tmm"}, {"a.tmm", "b.tmm"}, {"a.tmm", "-o"}, {"-o", "a", "-o", "b", "c.tmm"}};
  for (const auto& arguments : cases) {
    const ProgramRun run = Tmcompile(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.size();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("tmcompile: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("Usage: tmcompile [-o MODEL] MAP"), std::string::npos);
  }
}

TEST_F(TmcompileTest, HelpPrintsUsageToStdout) {
  for (const char* option : {"-h", "--help"}) {
    const ProgramRun run = Tmcompile({option});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage: tmcompile [-o MODEL] MAP\n", 0), 0u);
    EXPECT_EQ(run.err, "");
  }
}

// German stays the default (no locale, C, POSIX, German); another language in
// the locale, or --lang, words every message in English, and only the messages.
TEST_F(TmcompileTest, MessagesFollowLangOrTheLocaleAndStayGermanByDefault) {
  auto map = MapWithMissingPictures();
  const std::string mapPath = SaveAsMap(*map, "level.tmm");
  const std::string notAMap = dir.File("notes.tmm");
  WriteFileBytes(notAMap, {'T', 'M', 'M', '1'});
  const ProgramRun german = Tmcompile({"-o", dir.File("german.tcm"), mapPath});
  ASSERT_EQ(german.exitCode, 0) << german.err;
  ASSERT_NE(german.out.find("\nCompilierung abgeschlossen.\n"), std::string::npos) << german.out;

  struct Case {
    std::string environment;
    std::vector<std::string> options;
    bool english;
  };
  const Case cases[] = {
      {"", {}, false},
      {"LANG=C", {}, false},
      {"LANG=POSIX", {}, false},
      {"LANG=C.UTF-8", {}, false},
      {"LANG=de_DE.UTF-8", {}, false},
      {"LANG=en_US.UTF-8", {}, true},
      {"LANG=fr_FR.UTF-8", {}, true},
      {"LC_ALL=de_AT.UTF-8 LANG=en_US.UTF-8", {}, false},
      {"LC_MESSAGES=en_GB.UTF-8 LANG=de_DE.UTF-8", {}, true},
      {"LANG=en_US.UTF-8", {"--lang", "de"}, false},
      {"LANG=de_DE.UTF-8", {"--lang", "en"}, true},
      {"", {"--lang", "en"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.environment + (c.options.empty() ? "" : " " + c.options[1]));
    const std::string model = dir.File("model.tcm");
    std::vector<std::string> arguments = c.options;
    arguments.insert(arguments.end(), {"-o", model, mapPath});
    const ProgramRun run = Tmcompile(arguments, c.environment);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(model), ReadFileBytes(dir.File("german.tcm")));
    std::vector<std::string> options = c.options;
    options.push_back(notAMap);
    const ProgramRun refused = Tmcompile(options, c.environment);
    EXPECT_EQ(refused.exitCode, 1);
    if (!c.english) {
      // Byte for byte what a German run prints, apart from the model's name.
      std::string out = run.out;
      out.replace(out.find(model), model.size(), dir.File("german.tcm"));
      EXPECT_EQ(out, german.out);
      EXPECT_EQ(refused.err, notAMap + " ist keine TMM-Datei.\n");
      continue;
    }
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    EXPECT_EQ(lines[2], "Building 3D model..." + std::string(64, '.'));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 8),
              (std::vector<std::string>{"Vertices: 8474", "Polygons: 8204", "Texture coords: 29", "Indices: 32816"}));
    EXPECT_EQ(lines[9], "Writing " + model + "...");
    EXPECT_EQ(lines[11], "Compile finished.");
    EXPECT_EQ(refused.err, notAMap + " is not a TMM file.\n");
  }
}

// The report's fields and codes are data for pipelines: only the messages change.
TEST_F(TmcompileTest, CheckReportsDifferOnlyInTheirMessages) {
  auto map = MapWithMissingPictures();
  map->textureCount = 5;  // one texture more than the cells use, without frames
  const std::string mapPath = SaveAsMap(*map, "level.tmm");
  const std::regex message("\"message\": \"[^\"]*\"");
  const ProgramRun german = Tmcompile({"--check", "--format", "json", mapPath});
  const ProgramRun english = Tmcompile({"--lang", "en", "--check", "--format", "json", mapPath});
  EXPECT_NE(german.out.find("\"message\": \"Textur „"), std::string::npos) << german.out;
  EXPECT_NE(english.out.find("\"message\": \"Texture “"), std::string::npos) << english.out;
  EXPECT_EQ(std::regex_replace(english.out, message, "m"), std::regex_replace(german.out, message, "m"));
  EXPECT_EQ(english.exitCode, german.exitCode);
}

TEST_F(TmcompileTest, LangTakesOnlyDeOrEnOnce) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"--lang", "fr", "a.tmm"}, {"--lang"}, {"--lang", "en", "--lang", "de", "a.tmm"}}) {
    const ProgramRun run = Tmcompile(arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.rfind("tmcompile: --lang ", 0), 0u) << run.err;
  }
  EXPECT_NE(Tmcompile({"--help"}).out.find("\n  --lang LANGUAGE\n"), std::string::npos);
}

}  // namespace tessmoor

namespace tessmoor {
namespace {

// The options a text names, "-o", "--check", ...; in a manual page "\-" is the
// dash and "\fB" and the like change the font.
std::set<std::string> OptionsNamed(std::string text) {
  text = std::regex_replace(text, std::regex(R"(\\f[BIRP])"), "");
  for (size_t at = text.find("\\-"); at != std::string::npos; at = text.find("\\-", at)) text.replace(at, 2, "-");
  static const std::regex option(R"((^|[^A-Za-z0-9_-])(--?[a-z][a-z-]*))");
  std::set<std::string> options;
  for (auto match = std::sregex_iterator(text.begin(), text.end(), option); match != std::sregex_iterator(); ++match)
    options.insert((*match)[2]);
  return options;
}

// The options a text gives an entry of their own: in the help the first column
// of the list below "Options:", in a manual page the tag after each .TP of its
// OPTIONS (OPTIONEN) section.
std::set<std::string> OptionEntries(const std::string& text) {
  const bool page = text.rfind(".TH ", 0) == 0;
  std::set<std::string> entries;
  bool inList = false, tagNext = false;
  for (const std::string& line : Lines(text)) {
    if (page && line.rfind(".SH ", 0) == 0) inList = line == ".SH OPTIONS" || line == ".SH OPTIONEN";
    if (!page && (line == "Options:" || line.empty())) inList = line == "Options:";
    if (!inList) continue;
    if (page && tagNext) entries.merge(OptionsNamed(line));
    if (!page && line.rfind("  -", 0) == 0) entries.merge(OptionsNamed(line.substr(0, line.find("  ", 2))));
    tagNext = line == ".TP";
  }
  return entries;
}

}  // namespace

// The help and both manual pages, as the build writes them, list the same
// options and name no other, and the program takes every one of them.
TEST_F(TmcompileTest, HelpAndBothManualPagesListTheSameOptionsAndTmcompileTakesThemAll) {
  const std::string help = Tmcompile({"--help"}).out;
  const std::set<std::string> listed = OptionEntries(help);
  EXPECT_TRUE(listed.count("--script-timeout") && listed.count("-h") && listed.count("--gfx"));
  for (const char* page : {"", "/tmcompile.1.gz", "/de/tmcompile.1.gz"}) {
    SCOPED_TRACE(*page ? page : "--help");
    std::string text = help;
    if (*page) {
      const std::string file = dir.File("page.1");
      ASSERT_EQ(std::system(("gzip -dc " + Quoted(std::string(TM_MAN_DIR) + page) + " > " + Quoted(file)).c_str()), 0);
      text = ReadText(file);
    }
    EXPECT_EQ(OptionEntries(text), listed);
    EXPECT_EQ(OptionsNamed(text), listed);
  }
  for (const std::string& option : listed) {
    const ProgramRun run = Tmcompile({option});
    EXPECT_EQ(run.err.find("unknown option"), std::string::npos) << run.err;
  }
}

// The parser takes exactly the options the manual describes, each with a value
// when the manual names one: an option added to one and not to the other fails.
TEST(TmcompileArguments, ParserTakesExactlyTheOptionsTheManualDescribes) {
  std::map<std::string, bool> described, parsed;
  for (const ManualOption& option : TmcompileManual().options) {
    EXPECT_EQ(option.argument.en.empty(), option.argument.de.empty()) << option.names[0];
    for (const std::string& name : option.names) described[name] = !option.argument.en.empty();
  }
  for (const ParsedOption& option : ParsedOptions()) parsed[option.name] = option.takesValue;
  EXPECT_EQ(parsed, described);
  EXPECT_TRUE(parsed.count("--") && parsed.count("--help"));
}

}  // namespace tessmoor
