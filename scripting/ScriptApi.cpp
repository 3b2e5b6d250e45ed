#include "scripting/ScriptApi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJSValueIterator>
#include <QSaveFile>
#include <cmath>

#include "check/MapCheck.h"
#include "compiler/CompileMap.h"
#include "document/Windows1252.h"
#include "preview/PreviewModel.h"
#include "scripting/ScriptFields.h"
#include "texts/CheckTexts.h"
#include "texts/CoreTexts.h"
#include "texts/ScriptTexts.h"
#include "textures/TextureName.h"

namespace tessmoor {

namespace {

// Far beyond any grid or table, so that every such number reaches the editing
// interface, which says what is wrong with it.
constexpr int Anything = 1 << 30;
// A script reads text files, not disks.
constexpr qint64 LargestTextFile = 64 << 20;

}  // namespace

ScriptApi::ScriptApi(QJSEngine& engine, ScriptPlace place) : engine_(engine), place_(std::move(place)) {}

void ScriptApi::Raise(const ScriptProblem& problem) {
  engine_.throwError(QString::fromStdString(ScriptProblemText(problem)));
}

bool ScriptApi::Done(const EditResult& result) {
  if (!result.Ok()) engine_.throwError(QString::fromStdString(EditResultText(result)));
  return result.Ok();
}

bool ScriptApi::Whole(const QJSValue& value, const char* name, int low, int high, int& out) {
  if (!value.isNumber()) {
    Raise({ScriptProblemCode::NotANumber, {name}});
    return false;
  }
  const double number = value.toNumber();
  if (!std::isfinite(number) || number != std::floor(number) || number < low || number > high) {
    Raise({ScriptProblemCode::NotAWholeNumber, {name, value.toString().left(40).toStdString()}});
    return false;
  }
  out = static_cast<int>(number);
  return true;
}

bool ScriptApi::Text(const QJSValue& value, const char* name, QString& out) {
  if (!value.isString()) {
    Raise({ScriptProblemCode::NotAString, {name}});
    return false;
  }
  out = value.toString();
  return true;
}

bool ScriptApi::Cell(const QJSValue& x, const QJSValue& y, GridPoint& out) {
  return Whole(x, "x", -Anything, Anything, out.x) && Whole(y, "y", -Anything, Anything, out.y);
}

bool ScriptApi::FieldEdit(const QJSValue& fields, CellFieldEdit& edit) {
  if (!fields.isObject() || fields.isArray() || fields.isCallable()) {
    Raise({ScriptProblemCode::NotAnObject, {"fields"}});
    return false;
  }
  QJSValueIterator it(fields);
  while (it.hasNext()) {
    it.next();
    const std::string name = it.name().left(60).toStdString();
    const std::optional<CellField> field = ScriptFieldByName(name);
    if (!field) {
      Raise({ScriptProblemCode::UnknownField, {name}});
      return false;
    }
    const QJSValue value = it.value();
    if (!value.isNumber() || !SetScriptFieldValue(edit.values, *field, value.toNumber())) {
      Raise({ScriptProblemCode::BadFieldValue, {name, value.toString().left(40).toStdString()}});
      return false;
    }
    edit.changed.set(*field);
  }
  return true;
}

QJSValue ScriptApi::CellObject(int x, int y) {
  const MapCell& cell = Map().Cell(x, y);
  QJSValue object = engine_.newObject();
  object.setProperty("x", x);
  object.setProperty("y", y);
  for (CellField field : AllCellFields) {
    object.setProperty(QString::fromStdString(ScriptFieldName(field)), ScriptFieldValue(cell, field));
  }
  return object;
}

void ScriptApi::log(const QJSValue& text) {
  if (place_.log) place_.log(text.toString().toStdString());
}

QJSValue ScriptApi::cell(const QJSValue& x, const QJSValue& y) {
  GridPoint at;
  if (!Cell(x, y, at)) return {};
  if (!Contains(WholeGrid, at))
    return Done({EditCode::OutOfGrid, {std::to_string(at.x), std::to_string(at.y)}}), QJSValue();
  return CellObject(at.x, at.y);
}

QJSValue ScriptApi::cells() {
  QJSValue list = engine_.newArray(GridCells);
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) list.setProperty(quint32(x * GridSize + y), CellObject(x, y));
  }
  return list;
}

QJSValue ScriptApi::get(const QJSValue& x, const QJSValue& y, const QJSValue& field) {
  GridPoint at;
  QString name;
  if (!Cell(x, y, at) || !Text(field, "field", name)) return {};
  const std::optional<CellField> known = ScriptFieldByName(name.toStdString());
  if (!known) return Raise({ScriptProblemCode::UnknownField, {name.left(60).toStdString()}}), QJSValue();
  if (!Contains(WholeGrid, at))
    return Done({EditCode::OutOfGrid, {std::to_string(at.x), std::to_string(at.y)}}), QJSValue();
  return ScriptFieldValue(Map().Cell(at.x, at.y), *known);
}

void ScriptApi::set(const QJSValue& x, const QJSValue& y, const QJSValue& fields) {
  GridPoint at;
  CellFieldEdit edit;
  if (!Cell(x, y, at) || !FieldEdit(fields, edit)) return;
  Done(Editing().EditFields({at.x, at.y, at.x, at.y}, edit));
}

void ScriptApi::setCells(const QJSValue& x1, const QJSValue& y1, const QJSValue& x2, const QJSValue& y2,
                         const QJSValue& fields, const QJSValue& relative) {
  GridPoint from, to;
  CellFieldEdit edit;
  if (!Cell(x1, y1, from) || !Cell(x2, y2, to) || !FieldEdit(fields, edit)) return;
  edit.relativeHeights = relative.toBool();
  Done(Editing().EditFields({from.x, from.y, to.x, to.y}, edit));
}

QJSValue ScriptApi::findWhere(const QJSValue& conditions) {
  CellFieldEdit wanted;
  if (!FieldEdit(conditions, wanted)) return {};
  QJSValue found = engine_.newArray();
  quint32 count = 0;
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      bool matches = true;
      for (CellField field : AllCellFields) {
        if (wanted.changed.test(field) && !SameField(Map().Cell(x, y), wanted.values, field)) matches = false;
      }
      if (matches) found.setProperty(count++, CellObject(x, y));
    }
  }
  return found;
}

QJSValue ScriptApi::textures() {
  const MapDocument& map = Map();
  QJSValue list = engine_.newArray();
  for (int t = 0; t < std::clamp(map.textureCount, 0, MaxTextures); ++t) {
    const TextureEntry& entry = map.textures[size_t(t)];
    QJSValue texture = engine_.newObject();
    texture.setProperty("index", t);
    texture.setProperty("name", QString::fromStdString(TextureNameText(entry)));
    texture.setProperty("animation", static_cast<int>(entry.animationType));
    QJSValue frames = engine_.newArray();
    for (int f = 0; f < std::clamp(entry.frameCount, 0, MaxFrames); ++f)
      frames.setProperty(quint32(f), QString::fromStdString(FrameNameText(entry.frames[size_t(f)])));
    texture.setProperty("frames", frames);
    list.setProperty(quint32(t), texture);
  }
  return list;
}

QJSValue ScriptApi::addTexture(const QJSValue& name, const QJSValue& pictures) {
  QString text;
  if (!Text(name, "name", text)) return {};
  const std::optional<std::string> stored = Utf8ToWindows1252(text.toStdString());
  if (!stored) return Raise({ScriptProblemCode::NotStorable, {text.left(60).toStdString()}}), QJSValue();
  std::vector<std::string> frames;
  if (!pictures.isUndefined()) {
    if (!pictures.isArray()) return Raise({ScriptProblemCode::NotAnObject, {"pictures"}}), QJSValue();
    const int count = std::clamp(pictures.property("length").toInt(), 0, MaxFrames + 1);
    for (int i = 0; i < count; ++i) {
      QString picture;
      if (!Text(pictures.property(quint32(i)), "pictures", picture)) return {};
      frames.push_back(picture.toStdString());
    }
  }
  const int texture = Map().textureCount;
  const EditResult added = Editing().Transaction(StepName::AddTexture, [&] {
    EditResult result = Editing().AddTexture();
    if (result.Ok()) result = Editing().RenameTexture(texture, *stored);
    if (result.Ok() && !frames.empty()) result = Editing().AddFrames(texture, frames);
    return result;
  });
  return Done(added) ? QJSValue(texture) : QJSValue();
}

void ScriptApi::renameTexture(const QJSValue& texture, const QJSValue& name) {
  int number = 0;
  QString text;
  if (!Whole(texture, "texture", -Anything, Anything, number) || !Text(name, "name", text)) return;
  const std::optional<std::string> stored = Utf8ToWindows1252(text.toStdString());
  if (!stored) return Raise({ScriptProblemCode::NotStorable, {text.left(60).toStdString()}});
  Done(Editing().RenameTexture(number, *stored));
}

void ScriptApi::replaceTexture(const QJSValue& texture, const QJSValue& replacement) {
  int from = 0, to = 0;
  if (!Whole(texture, "texture", -Anything, Anything, from) ||
      !Whole(replacement, "replacement", -Anything, Anything, to))
    return;
  Done(Editing().ReplaceTexture(from, to));
}

void ScriptApi::deleteTexture(const QJSValue& texture) {
  int number = 0;
  if (Whole(texture, "texture", -Anything, Anything, number)) Done(Editing().DeleteTexture(number));
}

QJSValue ScriptApi::start() {
  QJSValue position = engine_.newObject();
  position.setProperty("x", Map().startPosition.x);
  position.setProperty("y", Map().startPosition.y);
  return position;
}

void ScriptApi::setStart(const QJSValue& x, const QJSValue& y) {
  GridPoint at;
  if (Cell(x, y, at)) Done(Editing().SetStart(at));
}

QJSValue ScriptApi::selection() {
  if (!place_.hasWindow) return Raise({ScriptProblemCode::NoWindow, {}}), QJSValue();
  const CellRange range = Normalized(place_.session.Editor().selection);
  QJSValue object = engine_.newObject();
  object.setProperty("x1", range.x1);
  object.setProperty("y1", range.y1);
  object.setProperty("x2", range.x2);
  object.setProperty("y2", range.y2);
  return object;
}

void ScriptApi::select(const QJSValue& x1, const QJSValue& y1, const QJSValue& x2, const QJSValue& y2) {
  if (!place_.hasWindow) return Raise({ScriptProblemCode::NoWindow, {}});
  GridPoint from, to;
  if (Cell(x1, y1, from) && Cell(x2, y2, to)) Done(Editing().Select({from.x, from.y, to.x, to.y}));
}

QJSValue ScriptApi::stamps() {
  QJSValue names = engine_.newArray();
  if (!place_.stamps) return names;
  quint32 i = 0;
  for (const StoredStamp& stored : place_.stamps->List())
    names.setProperty(i++, QString::fromStdString(stored.stamp.name));
  return names;
}

void ScriptApi::placeStamp(const QJSValue& name, const QJSValue& x, const QJSValue& y, const QJSValue& turns,
                           const QJSValue& mirrored) {
  QString text;
  GridPoint at;
  int quarterTurns = 0;
  if (!Text(name, "name", text) || !Cell(x, y, at)) return;
  if (!turns.isUndefined() && !Whole(turns, "turns", -Anything, Anything, quarterTurns)) return;
  const std::vector<StoredStamp> stored = place_.stamps ? place_.stamps->List() : std::vector<StoredStamp>();
  const auto found = std::find_if(stored.begin(), stored.end(),
                                  [&](const StoredStamp& s) { return s.stamp.name == text.toStdString(); });
  if (found == stored.end()) return Raise({ScriptProblemCode::NoSuchStamp, {text.left(60).toStdString()}});
  const Orientation orientation{((quarterTurns % 4) + 4) % 4, mirrored.toBool()};
  Done(Editing().PlaceStamp(found->stamp, Placement{at, orientation, false}));
}

QJSValue ScriptApi::check() {
  QJSValue list = engine_.newArray();
  quint32 i = 0;
  for (const MapFinding& finding : CheckMap(Map())) {
    QJSValue object = engine_.newObject();
    object.setProperty("severity", SeverityId(finding.severity));
    object.setProperty("code", FindingCodeId(finding.message.code));
    object.setProperty("message", QString::fromStdString(FindingText(finding.message)));
    object.setProperty("x", finding.cell ? QJSValue(finding.cell->x) : QJSValue(QJSValue::NullValue));
    object.setProperty("y", finding.cell ? QJSValue(finding.cell->y) : QJSValue(QJSValue::NullValue));
    list.setProperty(i++, object);
  }
  return list;
}

QJSValue ScriptApi::compile() {
  PreviewModel model;
  model.Rebuild(Map());
  const MeshBuilder& mesh = model.Builder();
  QJSValue result = engine_.newObject();
  result.setProperty("ok", model.Overflow() == MeshTable::None);
  result.setProperty("vertices", mesh.VertexCount());
  result.setProperty("polygons", mesh.PolygonCount());
  result.setProperty("texCoords", mesh.TexCoordCount());
  result.setProperty("indices", mesh.IndexCount());
  result.setProperty("overflow", QString::fromStdString(TableName(model.Overflow())));
  return result;
}

bool ScriptApi::MayUse(const QString& path, bool write) {
  const QString folder = QFileInfo(QDir::cleanPath(QFileInfo(path).absoluteFilePath())).absolutePath();
  if (place_.files.Allows(folder.toStdString(), write)) return true;
  Raise({ScriptProblemCode::FilesRefused, {folder.toStdString()}});
  return false;
}

QJSValue ScriptApi::readText(const QJSValue& path) {
  QString name;
  if (!Text(path, "path", name) || !MayUse(name, false)) return {};
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly) || file.size() > LargestTextFile)
    return Raise({ScriptProblemCode::FileNotRead, {name.toStdString()}}), QJSValue();
  return QString::fromUtf8(file.readAll());
}

void ScriptApi::writeText(const QJSValue& path, const QJSValue& text) {
  QString name, content;
  if (!Text(path, "path", name) || !Text(text, "text", content) || !MayUse(name, true)) return;
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly) || file.write(content.toUtf8()) < 0 || !file.commit())
    Raise({ScriptProblemCode::FileNotWritten, {name.toStdString()}});
}

QJSValue ScriptApi::listFiles(const QJSValue& folder) {
  QString name;
  if (!Text(folder, "folder", name) || !MayUse(QDir(name).filePath(QStringLiteral("x")), false)) return {};
  const QStringList files = QDir(name).entryList(QDir::Files, QDir::Name);
  QJSValue list = engine_.newArray(quint32(files.size()));
  for (qsizetype i = 0; i < files.size(); ++i) list.setProperty(quint32(i), files[i]);
  return list;
}

}  // namespace tessmoor
