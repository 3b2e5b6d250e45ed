#pragma once
// Extras > Skripte and Skriptkonsole. The scripts are the .js files of the
// user's script folder, of a scripts/ folder beside the map and of the shipped
// examples; each is a command of the registry, so the command search finds it
// and a key can be bound to it. The list is read again whenever the menu opens.

#include <QMenu>
#include <QObject>
#include <QPointer>

#include "editor/commands/FeatureContext.h"

namespace tessmoor {

class TFrmScriptConsole;

class ScriptsFeature : public QObject {
  Q_OBJECT

 public:
  explicit ScriptsFeature(const FeatureContext& context);
  ~ScriptsFeature() override;

  // The submenu "S&kripte", for the menu layout.
  QMenu* ScriptsMenu() { return menu_; }
  // The user's own script folder, with a trailing '/'.
  static QString UserScriptFolder();
  // Runs the script's text as the script `name`; errors go to the console and a message.
  void RunScript(const QString& name, const QString& text);

 private:
  void ReadScriptFolders();
  void RunFile(const QString& path);
  void ShowConsole();
  void RunConsoleLine(const QString& line);

  FeatureContext context_;
  QMenu* menu_;
  QPointer<TFrmScriptConsole> console_;
};

}  // namespace tessmoor
