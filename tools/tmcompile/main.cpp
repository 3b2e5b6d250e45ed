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
#include <string>
#include <vector>

#include "Arguments.h"
#include "CheckReport.h"
#include "HeadlessScript.h"
#include "Language.h"
#include "UsageText.h"
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
  const ParseResult parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.arguments) {
    std::fprintf(stderr, "tmcompile: %s\n%s", parsed.error.c_str(), UsageText(TmcompileManual()).c_str());
    return ExitUsage;
  }
  if (parsed.arguments->help) {
    std::fputs(UsageText(TmcompileManual()).c_str(), stdout);
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
