// tmcompile: compiles a Tessmoor map into its model on the command line, for
// build pipelines. It reads the map with the editor's reader (without loading
// the texture pictures, which the compile does not need), prints the compile log
// as the editor's log window shows it, and exits 0 on success, 1 on failure (the
// reason on stderr) and 2 on wrong arguments. With --check it prints the map
// check's findings instead (as text, JSON or JUnit XML, for several maps),
// writes nothing and exits 1 when one is an error. With --script it runs a
// script on the map without a window and saves the result. Its messages are
// German unless the locale or --lang asks for English.

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CheckReport.h"
#include "HeadlessScript.h"
#include "Language.h"
#include "check/MapCheck.h"
#include "compiler/CompileLog.h"
#include "compiler/CompileMap.h"
#include "document/MapDocument.h"
#include "document/MapFile.h"
#include "document/PictureFolders.h"
#include "export/MapExport.h"
#include "export/ObjWriter.h"
#include "io/ProgramDirectory.h"
#include "texts/CheckTexts.h"
#include "texts/CoreTexts.h"

using namespace tessmoor;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

constexpr const char* Usage =
    "Usage: tmcompile [-o MODEL] MAP\n"
    "       tmcompile --check [--format text|json|junit] MAP...\n"
    "       tmcompile --script SCRIPT.js [--script-timeout SECONDS] [--allow-files DIR] [-o OUT.tmm] MAP\n"
    "       tmcompile -f glb|obj|tcm [-o OUT] MAP\n"
    "All forms also take --lang de|en.\n"
    "Compiles the Tessmoor map MAP (.tmm) into a model file (.tcm).\n"
    "\n"
    "  -f FORMAT   tcm (default), or export glb (glTF 2.0) or obj (Wavefront,\n"
    "              with .mtl and PNG files beside it)\n"
    "  -o MODEL    write the model to MODEL; by default it is written beside\n"
    "              the map, with the map's extension replaced by the format's\n"
    "  --check     print the map check's findings, one per line, and write no\n"
    // "Fehler" is the severity as the findings print it (data, not a text).
    "              model; exit status 1 when one of them is a Fehler\n"
    "  --format F  with --check: text (default), json, or junit (XML for CI:\n"
    // (data, not a text)
    "              one test case per map, one failure per Fehler)\n"
    "  --script S  run the JavaScript file S on the map and save the result over\n"
    "              the map, or to -o OUT.tmm; exit status 1 when the script throws\n"
    "  --script-timeout SECONDS\n"
    "              stop a script that runs longer (default 60): exit status 1\n"
    "  --allow-files DIR\n"
    "              let the script's file functions use DIR and what lies below it\n"
    "              (repeatable); without it a script reaches no file\n"
    "  --gfx DIR   look for frame pictures in DIR before the program's GFX/\n"
    "              folder (repeatable; searched in the order given)\n"
    "  --lang L    the language of the messages: de (German) or en (English);\n"
    "              by default the locale's (LC_ALL, LC_MESSAGES, LANG): German\n"
    "              when it is German or unset, English for any other language\n"
    "  -h, --help  show this text\n";

struct Arguments {
  std::string mapPath;
  std::vector<std::string> extraMaps;  // --check takes several
  std::string modelPath;               // empty: beside the map
  std::string format = "tcm";
  std::vector<std::string> pictureFolders;
  bool help = false;
  bool check = false;
  std::string reportFormat;  // empty: text
  std::string scriptPath;
  int scriptTimeout = 60;
  bool timeoutGiven = false;
  std::vector<std::string> allowedFolders;
  std::optional<MessageLanguage> language;  // none: from the locale
};

// A whole number of seconds from 1 to a day.
bool ParseSeconds(const std::string& text, int& seconds) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  seconds = std::stoi(text);
  return seconds >= 1 && seconds <= 86400;
}

// The parsed arguments, or the complaint about them.
struct ParseResult {
  std::optional<Arguments> arguments;
  std::string error;
};

ParseResult ParseArguments(int argc, char** argv) {
  Arguments arguments;
  bool haveMap = false, haveModel = false, haveFormat = false, optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!optionsEnded && (arg == "-h" || arg == "--help")) {
      arguments.help = true;
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg == "--check") {
      arguments.check = true;
    } else if (!optionsEnded && arg == "-o") {
      if (haveModel) return {std::nullopt, "-o given twice"};
      if (i + 1 >= argc) return {std::nullopt, "-o needs a model file name"};
      arguments.modelPath = argv[++i];
      haveModel = true;
    } else if (!optionsEnded && arg == "--format") {
      if (!arguments.reportFormat.empty()) return {std::nullopt, "--format given twice"};
      if (i + 1 >= argc) return {std::nullopt, "--format needs text, json or junit"};
      arguments.reportFormat = argv[++i];
      if (arguments.reportFormat != "text" && arguments.reportFormat != "json" && arguments.reportFormat != "junit")
        return {std::nullopt, "unknown report format " + arguments.reportFormat};
    } else if (!optionsEnded && arg == "--script") {
      if (!arguments.scriptPath.empty()) return {std::nullopt, "--script given twice"};
      if (i + 1 >= argc || std::string(argv[i + 1]).empty()) return {std::nullopt, "--script needs a script file"};
      arguments.scriptPath = argv[++i];
    } else if (!optionsEnded && arg == "--script-timeout") {
      if (i + 1 >= argc || !ParseSeconds(argv[i + 1], arguments.scriptTimeout))
        return {std::nullopt, "--script-timeout needs a number of seconds from 1 to 86400"};
      ++i;
      arguments.timeoutGiven = true;
    } else if (!optionsEnded && arg == "--allow-files") {
      if (i + 1 >= argc) return {std::nullopt, "--allow-files needs a folder"};
      arguments.allowedFolders.push_back(argv[++i]);
    } else if (!optionsEnded && arg == "--lang") {
      if (arguments.language) return {std::nullopt, "--lang given twice"};
      if (i + 1 >= argc || !(arguments.language = ParseMessageLanguage(argv[i + 1])))
        return {std::nullopt, "--lang needs de or en"};
      ++i;
    } else if (!optionsEnded && arg == "--gfx") {
      if (i + 1 >= argc) return {std::nullopt, "--gfx needs a folder"};
      arguments.pictureFolders.push_back(argv[++i]);
    } else if (!optionsEnded && arg == "-f") {
      if (haveFormat) return {std::nullopt, "-f given twice"};
      if (i + 1 >= argc) return {std::nullopt, "-f needs a format"};
      arguments.format = argv[++i];
      if (arguments.format != "tcm" && arguments.format != "glb" && arguments.format != "obj") {
        return {std::nullopt, "unknown format " + arguments.format};
      }
      haveFormat = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return {std::nullopt, "unknown option " + arg};
    } else {
      if (haveMap) {
        arguments.extraMaps.push_back(arg);
      } else {
        arguments.mapPath = arg;
        haveMap = true;
      }
    }
  }
  if (!arguments.help && !haveMap) return {std::nullopt, "no map given"};
  if (arguments.check && haveModel) return {std::nullopt, "--check writes no model; -o is not allowed with it"};
  if (!arguments.extraMaps.empty() && !arguments.check) return {std::nullopt, "only one map can be compiled at a time"};
  if (!arguments.reportFormat.empty() && !arguments.check) return {std::nullopt, "--format goes with --check"};
  const bool script = !arguments.scriptPath.empty();
  if (script && (arguments.check || haveFormat))
    return {std::nullopt, "--script runs alone; --check and -f are not allowed with it"};
  if (!script && (arguments.timeoutGiven || !arguments.allowedFolders.empty()))
    return {std::nullopt, "--script-timeout and --allow-files go with --script"};
  return {arguments, {}};
}

// The log on stdout. Lines are written as they come, so the progress dots
// appear while the compile runs.
class StdoutLog : public CompileLog {
 public:
  ~StdoutLog() override { EndLine(); }
  // A stream cannot take back what it printed; a new log just starts on a new line.
  void ClearLog() override { EndLine(); }
  void AddLogLine(const std::string& text = "") override {
    EndLine();
    std::fputs(text.c_str(), stdout);
    lineOpen_ = true;
    lastLine_ = text;
  }
  void AddLogLine(const CoreMessage& line) override { AddLogLine(CoreText(line)); }
  void ExtendLastLine(const std::string& text) override {
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
    lineOpen_ = true;
    lastLine_ += text;
  }
  const std::string& LastLine() const { return lastLine_; }

  void EndLine() {
    if (lineOpen_) std::fputc('\n', stdout);
    lineOpen_ = false;
  }

 private:
  bool lineOpen_ = false;
  std::string lastLine_;
};

// Beside the program in a build, under share/ of the prefix when installed.
std::string ProgramDirectory() {
  const std::string folder = tessmoor::RunningProgramFolder();
  return folder.empty() ? folder : tessmoor::ResolveProgramDirectory(folder);
}

std::string ReadFailure(const MapFileResult& loaded, const std::string& path) {
  if (loaded.systemError == 0) return CoreText(loaded.message);
  return "tmcompile: cannot open " + path + ": " + std::strerror(loaded.systemError);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return ExitFailed;
}

// Every map read and checked; the text form prints as it goes, as a single map always did.
int Check(const Arguments& arguments) {
  std::vector<std::string> paths{arguments.mapPath};
  paths.insert(paths.end(), arguments.extraMaps.begin(), arguments.extraMaps.end());
  const bool text = arguments.reportFormat.empty() || arguments.reportFormat == "text";
  std::vector<CheckedMap> checked;
  bool failed = false;
  for (const std::string& path : paths) {
    auto document = std::make_unique<MapDocument>();
    EditorState editor;
    ResetDocument(*document, editor, true);
    const MapFileResult loaded = LoadMap(*document, path, MapLoadOptions{ProgramDirectory(), false});
    CheckedMap map{path, loaded.ok, loaded.ok ? std::string() : ReadFailure(loaded, path), {}};
    if (loaded.ok) map.findings = CheckMap(*document);
    failed = failed || !loaded.ok || HasErrors(map.findings);
    if (text && !loaded.ok) std::fprintf(stderr, "%s\n", map.problem.c_str());
    if (text && paths.size() > 1 && loaded.ok) std::printf("%s:\n", path.c_str());
    if (text) {
      for (const MapFinding& finding : map.findings) std::printf("%s\n", FindingLine(finding).c_str());
    }
    checked.push_back(std::move(map));
  }
  if (arguments.reportFormat == "json") std::fputs(CheckReportJson(checked).c_str(), stdout);
  if (arguments.reportFormat == "junit") std::fputs(CheckReportJUnit(checked).c_str(), stdout);
  std::fflush(stdout);
  return failed ? ExitFailed : ExitOk;
}

// glb and obj: the compile in memory, written in an exchange format.
int Export(const MapDocument& document, const Arguments& arguments) {
  const std::string path =
      arguments.modelPath.empty() ? WithExtension(arguments.mapPath, arguments.format) : arguments.modelPath;
  const ExportFormat format = arguments.format == "glb" ? ExportFormat::Glb : ExportFormat::Obj;
  std::printf("%s\n", CoreText({CoreCode::CompileWriting, {path}}).c_str());
  std::fflush(stdout);
  MapExporter exporter;
  const ExportResult result = exporter.Export(document, ProgramDirectory(), format, path);
  if (!result.ok) return Fail(CoreText(result.message));
  std::printf("%s\n", CoreText({CoreCode::ExportDone, {}}).c_str());
  return ExitOk;
}

int Compile(const Arguments& arguments) {
  if (arguments.check) return Check(arguments);
  auto document = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*document, editor, true);
  const MapLoadOptions options{ProgramDirectory(), false};
  const MapFileResult loaded = LoadMap(*document, arguments.mapPath, options);
  if (!loaded.ok) return Fail(ReadFailure(loaded, arguments.mapPath));

  if (arguments.format != "tcm") return Export(*document, arguments);
  const std::string modelPath = arguments.modelPath.empty() ? ModelFileName(arguments.mapPath) : arguments.modelPath;
  if (const CoreMessage refusal = ModelOverMapMessage(arguments.mapPath, modelPath); !IsEmpty(refusal)) {
    return Fail(CoreText(refusal));
  }
  MapCompiler compiler;
  StdoutLog log;
  const bool compiled = compiler.Compile(*document, modelPath, log);
  log.EndLine();  // before anything goes to stderr
  std::fflush(stdout);
  return compiled ? ExitOk : Fail(log.LastLine());
}

}  // namespace

int main(int argc, char** argv) {
  const ParseResult parsed = ParseArguments(argc, argv);
  if (!parsed.arguments) {
    std::fprintf(stderr, "tmcompile: %s\n%s", parsed.error.c_str(), Usage);
    return ExitUsage;
  }
  if (parsed.arguments->help) {
    std::fputs(Usage, stdout);
    return ExitOk;
  }
  UseMessageLanguage(parsed.arguments->language.value_or(EnvironmentMessageLanguage()));
  tessmoor::SetUserPictureFolders(parsed.arguments->pictureFolders);
  if (!parsed.arguments->scriptPath.empty()) {
    const Arguments& arguments = *parsed.arguments;
    return RunHeadlessScript({arguments.scriptPath, arguments.mapPath, arguments.modelPath, arguments.scriptTimeout,
                              arguments.allowedFolders},
                             ProgramDirectory());
  }
  return Compile(*parsed.arguments);
}
