#pragma once
// The functions behind the `tessmoor` object of a script. Every argument comes
// as the script gave it and is checked here; a wrong one, or an operation the
// editing interface refuses, becomes a script error that names the problem.
// Writes go through the session's editing interface only.

#include <QJSEngine>
#include <QJSValue>
#include <QObject>
#include <QString>

#include "app/ScriptProblem.h"
#include "scripting/ScriptPlace.h"

namespace tessmoor {

class ScriptApi : public QObject {
  Q_OBJECT

 public:
  ScriptApi(QJSEngine& engine, ScriptPlace place);

  Q_INVOKABLE void log(const QJSValue& text);
  Q_INVOKABLE QJSValue cell(const QJSValue& x, const QJSValue& y);
  Q_INVOKABLE QJSValue cells();
  Q_INVOKABLE QJSValue get(const QJSValue& x, const QJSValue& y, const QJSValue& field);
  Q_INVOKABLE void set(const QJSValue& x, const QJSValue& y, const QJSValue& fields);
  Q_INVOKABLE void setCells(const QJSValue& x1, const QJSValue& y1, const QJSValue& x2, const QJSValue& y2,
                            const QJSValue& fields, const QJSValue& relative);
  Q_INVOKABLE QJSValue findWhere(const QJSValue& conditions);

  Q_INVOKABLE QJSValue textures();
  Q_INVOKABLE QJSValue addTexture(const QJSValue& name, const QJSValue& pictures);
  Q_INVOKABLE void renameTexture(const QJSValue& texture, const QJSValue& name);
  Q_INVOKABLE void replaceTexture(const QJSValue& texture, const QJSValue& replacement);
  Q_INVOKABLE void deleteTexture(const QJSValue& texture);

  Q_INVOKABLE QJSValue start();
  Q_INVOKABLE void setStart(const QJSValue& x, const QJSValue& y);
  Q_INVOKABLE QJSValue selection();
  Q_INVOKABLE void select(const QJSValue& x1, const QJSValue& y1, const QJSValue& x2, const QJSValue& y2);

  Q_INVOKABLE QJSValue stamps();
  Q_INVOKABLE void placeStamp(const QJSValue& name, const QJSValue& x, const QJSValue& y, const QJSValue& turns,
                              const QJSValue& mirrored);
  Q_INVOKABLE QJSValue check();
  Q_INVOKABLE QJSValue compile();

  Q_INVOKABLE QJSValue readText(const QJSValue& path);
  Q_INVOKABLE void writeText(const QJSValue& path, const QJSValue& text);
  Q_INVOKABLE QJSValue listFiles(const QJSValue& folder);

 private:
  // Each checks one argument; on a wrong one it raises the script error and answers false.
  bool Whole(const QJSValue& value, const char* name, int low, int high, int& out);
  bool Text(const QJSValue& value, const char* name, QString& out);
  bool Cell(const QJSValue& x, const QJSValue& y, GridPoint& out);
  bool FieldEdit(const QJSValue& fields, CellFieldEdit& edit);
  bool Done(const EditResult& result);
  void Raise(const ScriptProblem& problem);
  // The file's folder may be read (or written); raises the error when not.
  bool MayUse(const QString& path, bool write);

  QJSValue CellObject(int x, int y);
  MapEditing& Editing() { return place_.session.Editing(); }
  const MapDocument& Map() const { return place_.session.Map(); }

  QJSEngine& engine_;
  ScriptPlace place_;
};

}  // namespace tessmoor
