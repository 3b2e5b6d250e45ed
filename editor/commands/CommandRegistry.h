#pragma once
// Every command of the editor, registered once: its stable id (also the
// QAction's object name), German text with mnemonic (the source of its text
// in the current language; context "Befehle"), menu path, default keys,
// key scope, enabled state and what it runs. Menus, tool bar, key handling,
// the command search and the shortcut settings are all built from here, so a
// key is defined in exactly one place.

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QWidget;

namespace tessmoor {

struct FeatureContext;
// What a command does and whether it may, given what it acts on at that moment.
using ContextRun = std::function<void(const FeatureContext&)>;
using ContextRule = std::function<bool(const FeatureContext&)>;

// Keys of commands in one scope must differ; different scopes are different
// windows, where the same key may mean different things.
inline const QString MainWindowScope = QStringLiteral("Hauptfenster");
inline const QString PreviewScope = QStringLiteral("3D-Ansicht");

struct CommandInfo {
  QString id{};
  // German, with its mnemonic; the menu shows its translation. Mark the
  // literal with QT_TRANSLATE_NOOP("Befehle", ...) so that it is translated.
  QString text{};
  // One sentence, German, on what the command does: the action's status and
  // tool tip and the command reference. Mark the literal with
  // QT_TRANSLATE_NOOP("Befehlsbeschreibungen", ...).
  QString description{};
  // The menus above the item, '/' between them: "&Ansicht", "3D-Ansicht/&Animation";
  // each part is a menu title, translated in context "Menüs".
  QString menuPath{};
  QList<QKeySequence> defaultKeys{};
  QString scope = MainWindowScope;
  // Asked with the context the command would run in; without it the command is
  // enabled unless someone disables its action.
  ContextRule enabledIn{};
};

struct Command {
  CommandInfo info;
  QAction* action = nullptr;
  // The registry sets the action's text from `info.text` in the current language.
  bool registryText = true;
};

class CommandRegistry : public QObject {
  Q_OBJECT

 public:
  // The actions belong to `keyOwner`: their shortcuts work while one of its windows is active.
  explicit CommandRegistry(QWidget* keyOwner);
  ~CommandRegistry() override;

  // Registers a command; the id must be new. A command holds on to no session:
  // each time its action is triggered, `run` is handed the context (the session
  // it acts on, the map view, the window) that is current then.
  QAction* Add(CommandInfo info, ContextRun run);
  // Where commands get their context from when they run; the window sets it.
  void SetContext(std::function<FeatureContext()> context);
  bool HasContext() const { return bool(context_); }
  // The context a command would run in now; only with one set.
  FeatureContext Context() const;
  // Registers an action a feature made itself (its keys stay); it runs `run`
  // with the current context, as an added command does. With a text in `info`
  // the registry sets and translates the action's text as for an added
  // command; without, the feature keeps the text up to date itself.
  void Adopt(CommandInfo info, QAction* action, ContextRun run);
  // Null for an unknown id.
  QAction* Action(const QString& id) const;
  const Command* Find(const QString& id) const;
  const std::vector<std::unique_ptr<Command>>& Commands() const { return commands_; }

  // Fills `menu` with the commands named, in order; an empty id is a separator.
  void FillMenu(QMenu* menu, const QStringList& ids) const;
  // Asks every command with an enabled rule whether it may run now.
  void RefreshEnabled() const;

  // Keys: the user's own where set, else the defaults.
  QList<QKeySequence> Keys(const QString& id) const;
  // The command in `id`'s scope that already has one of `keys`, or null.
  const Command* Conflict(const QString& id, const QList<QKeySequence>& keys) const;
  // False, changing nothing, when another command of the scope has one of the keys.
  bool SetKeys(const QString& id, const QList<QKeySequence>& keys);
  void ResetKeys(const QString& id);
  bool IsDefault(const QString& id) const;

  // From now on the user's keys live in QSettings under this application: read
  // now, and every change written at once.
  void UseSettings(const QString& organization, const QString& application);

  // "Ansicht > Ganze Karte" without the mnemonics, in the current language.
  static QString PlainText(const QString& text);
  QString MenuPathText(const Command& command) const;
  // What a search looks for: the text the menu shows now and, where that is a
  // translation, the German text too, for users who learned the German names.
  static QStringList SearchTexts(const Command& command);

  // What the command does, in the current language.
  static QString Description(const CommandInfo& info);

  // The title of a menu, given as its German source, in the current language.
  static QString MenuTitle(const QString& source);

 signals:
  // After a change of language has set every command's text anew: a command
  // whose text also says more (Undo with its step) words it again then.
  void TextsRetranslated();

 private:
  void Store(const Command& command) const;
  void Retranslate();

  QWidget* keyOwner_;
  std::function<FeatureContext()> context_;
  std::vector<std::unique_ptr<Command>> commands_;
  QString organization_;
  QString application_;
};

}  // namespace tessmoor
