#include "scripting/ScriptRunner.h"

#include <QJSValue>
#include <sstream>

#include "scripting/ScriptApi.h"
#include "texts/ScriptTexts.h"

namespace tessmoor {

namespace {

// The `tessmoor` object: plain functions around the checked ones, so a script
// never holds the C++ object itself (whose own methods could delete it).
constexpr const char* FacadeSource = R"js(
(function (api) {
  "use strict";
  const text = (v) => (typeof v === "string" ? v : v === undefined ? "undefined" : JSON.stringify(v) ?? String(v));
  return Object.freeze({
    width: 64,
    height: 64,
    log: (...values) => api.log(values.map(text).join(" ")),
    cell: (x, y) => api.cell(x, y),
    cells: () => api.cells(),
    get: (x, y, field) => api.get(x, y, field),
    set: (x, y, field, value) => api.set(x, y, typeof field === "string" ? { [field]: value } : field),
    setCells: (x1, y1, x2, y2, fields, relative) => api.setCells(x1, y1, x2, y2, fields, relative === true),
    find: (what) => (typeof what === "function" ? api.cells().filter((c) => what(c)) : api.findWhere(what)),
    textures: () => api.textures(),
    addTexture: (name, pictures) => api.addTexture(name, pictures),
    renameTexture: (texture, name) => api.renameTexture(texture, name),
    replaceTexture: (texture, replacement) => api.replaceTexture(texture, replacement),
    deleteTexture: (texture) => api.deleteTexture(texture),
    start: () => api.start(),
    setStart: (x, y) => api.setStart(x, y),
    selection: () => api.selection(),
    select: (x1, y1, x2, y2) => api.select(x1, y1, x2, y2),
    stamps: () => api.stamps(),
    placeStamp: (name, x, y, turns, mirrored) => api.placeStamp(name, x, y, turns, mirrored === true),
    check: () => api.check(),
    compile: () => api.compile(),
    readText: (path) => api.readText(path),
    writeText: (path, content) => api.writeText(path, content),
    listFiles: (folder) => api.listFiles(folder),
  });
})
)js";

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The engine's trace has "function:line:column:file" entries, innermost first;
// the `tessmoor` object's own frames have no file. The first frame of the
// script is where the user looks; the column is known for syntax errors only.
void PlaceInScript(const QStringList& trace, ScriptOutcome& outcome) {
  for (const QString& frame : trace) {
    const QStringList parts = frame.split(':');
    if (parts.size() < 4 || parts.mid(3).join(':').isEmpty()) continue;
    outcome.line = parts[1].toInt();
    outcome.column = std::max(0, parts[2].toInt());
    return;
  }
}

}  // namespace

ScriptRunner::ScriptRunner(ScriptPlace place) : place_(std::move(place)), engine_(std::make_unique<QJSEngine>()) {
  api_ = new ScriptApi(*engine_, place_);
  api_->setParent(engine_.get());
  QJSEngine::setObjectOwnership(api_, QJSEngine::CppOwnership);
  facade_ = engine_->evaluate(QString::fromUtf8(FacadeSource)).call({engine_->newQObject(api_)});
  engine_->globalObject().setProperty(QStringLiteral("tessmoor"), facade_);
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Stop() {
  stopped_ = true;
  engine_->setInterrupted(true);
}

ScriptOutcome ScriptRunner::Run(const ScriptSource& source) {
  if (stopped_) {
    ScriptOutcome stopped;
    stopped.end = ScriptOutcome::End::Stopped;
    stopped.message = ScriptProblemText({ScriptProblemCode::Stopped, {}});
    return stopped;
  }
  EditorState& editor = place_.session.Editor();
  const Selection selectionBefore = editor.selection;
  ScriptOutcome outcome;
  place_.session.Editing().Transaction(StepName::Script, source.name, [&] {
    outcome = Evaluate(source);
    return outcome.Ok() ? EditResult{} : EditResult{EditCode::Failed, {outcome.message}};
  });
  const Selection& now = editor.selection;
  const bool selectionMoved = now != selectionBefore;
  if (!outcome.Ok() && selectionMoved) {
    place_.session.Editing().Select({selectionBefore.x1, selectionBefore.y1, selectionBefore.x2, selectionBefore.y2});
  }
  return outcome;
}

ScriptOutcome ScriptRunner::Evaluate(const ScriptSource& source) {
  QStringList trace;
  const QJSValue result =
      engine_->evaluate(QString::fromStdString(source.text), QString::fromStdString(source.name), 1, &trace);

  ScriptOutcome outcome;
  if (stopped_ || engine_->isInterrupted()) {
    outcome.end = ScriptOutcome::End::Stopped;
    outcome.message = ScriptProblemText({ScriptProblemCode::Stopped, {}});
    return outcome;
  }
  if (result.isError()) {
    outcome.end = ScriptOutcome::End::Threw;
    outcome.message = result.property(QStringLiteral("message")).toString().toStdString();
    outcome.line = result.property(QStringLiteral("lineNumber")).toInt();
    PlaceInScript(trace, outcome);
    return outcome;
  }
  if (!result.isUndefined()) outcome.value = result.toString().toStdString();
  return outcome;
}

ScriptHeader ReadScriptHeader(const std::string& text, const std::string& fileBaseName) {
  ScriptHeader header{fileBaseName, fileBaseName};
  std::istringstream lines(text);
  std::string line;
  bool menuGiven = false;
  while (std::getline(lines, line)) {
    line = Trimmed(line);
    if (line.empty()) continue;
    if (line.rfind("//", 0) != 0) break;
    const std::string comment = Trimmed(line.substr(2));
    const auto value = [&](const char* key) { return Trimmed(comment.substr(std::string(key).size())); };
    if (comment.rfind("name:", 0) == 0 && !value("name:").empty()) {
      header.name = value("name:");
      if (!menuGiven) header.menuText = header.name;
    } else if (comment.rfind("menu:", 0) == 0 && !value("menu:").empty()) {
      header.menuText = value("menu:");
      menuGiven = true;
    }
  }
  return header;
}

}  // namespace tessmoor
