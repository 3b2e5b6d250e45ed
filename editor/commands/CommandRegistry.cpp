#include "editor/commands/CommandRegistry.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QWidget>
#include <cassert>

#include "editor/commands/FeatureContext.h"
#include "editor/widgets/LanguageChange.h"

namespace tessmoor {

namespace {

const char* const KeysGroup = "Tastenkuerzel";

QString SettingsKey(const QString& id) { return QString("%1/%2").arg(KeysGroup, id); }

QString CommandText(const QString& source) {
  return QCoreApplication::translate("Befehle", source.toUtf8().constData());
}

// Hovering an item shows it in the status bar; menus hide tool tips unless asked to.
void ShowDescription(QAction& action, const QString& description) {
  action.setStatusTip(description);
  action.setToolTip(description);
}

}  // namespace

CommandRegistry::CommandRegistry(QWidget* keyOwner) : QObject(keyOwner), keyOwner_(keyOwner) {
  OnLanguageChange(this, [this] { Retranslate(); });
}

CommandRegistry::~CommandRegistry() = default;

QAction* CommandRegistry::Add(CommandInfo info, ContextRun run) {
  auto* action = new QAction(keyOwner_);
  action->setObjectName(info.id);
  action->setShortcuts(info.defaultKeys);
  Adopt(std::move(info), action, std::move(run));
  return action;
}

void CommandRegistry::SetContext(std::function<FeatureContext()> context) {
  context_ = std::move(context);
  // Another session may allow other commands.
  RefreshEnabled();
}

FeatureContext CommandRegistry::Context() const {
  assert(context_ && "a context is set before it is asked for");
  return context_();
}

void CommandRegistry::Adopt(CommandInfo info, QAction* action, ContextRun run) {
  info.id = action->objectName();
  const bool registryText = !info.text.isEmpty();
  if (registryText) {
    action->setText(CommandText(info.text));
  } else {
    info.text = action->text();
  }
  info.defaultKeys = action->shortcuts();
  assert(!info.description.isEmpty() && "every command says what it does");
  ShowDescription(*action, Description(info));
  assert(!Find(info.id) && "a command id is registered once");
  // Asked for at each run, never kept: the current session may be another one by then.
  if (run)
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
      if (context_) run(context_());
    });
  auto command = std::make_unique<Command>();
  command->action = action;
  command->info = std::move(info);
  command->registryText = registryText;
  commands_.push_back(std::move(command));
}

const Command* CommandRegistry::Find(const QString& id) const {
  for (const auto& command : commands_) {
    if (command->info.id == id) return command.get();
  }
  return nullptr;
}

QAction* CommandRegistry::Action(const QString& id) const {
  const Command* command = Find(id);
  return command ? command->action : nullptr;
}

void CommandRegistry::FillMenu(QMenu* menu, const QStringList& ids) const {
  for (const QString& id : ids) {
    if (id.isEmpty()) {
      menu->addSeparator();
    } else if (QAction* action = Action(id)) {
      menu->addAction(action);
    }
  }
}

void CommandRegistry::RefreshEnabled() const {
  if (!context_) return;
  const FeatureContext context = context_();
  for (const auto& command : commands_) {
    if (command->info.enabledIn) command->action->setEnabled(command->info.enabledIn(context));
  }
}

QList<QKeySequence> CommandRegistry::Keys(const QString& id) const {
  const Command* command = Find(id);
  return command ? command->action->shortcuts() : QList<QKeySequence>();
}

const Command* CommandRegistry::Conflict(const QString& id, const QList<QKeySequence>& keys) const {
  const Command* own = Find(id);
  if (!own) return nullptr;
  for (const auto& other : commands_) {
    if (other.get() == own || other->info.scope != own->info.scope) continue;
    for (const QKeySequence& key : other->action->shortcuts()) {
      if (keys.contains(key)) return other.get();
    }
  }
  return nullptr;
}

bool CommandRegistry::SetKeys(const QString& id, const QList<QKeySequence>& keys) {
  const Command* command = Find(id);
  if (!command || Conflict(id, keys)) return false;
  command->action->setShortcuts(keys);
  Store(*command);
  return true;
}

void CommandRegistry::ResetKeys(const QString& id) {
  const Command* command = Find(id);
  if (!command) return;
  // A default taken by another command in the meantime stays with it.
  QList<QKeySequence> keys;
  for (const QKeySequence& key : command->info.defaultKeys) {
    if (!Conflict(id, {key})) keys << key;
  }
  command->action->setShortcuts(keys);
  Store(*command);
}

bool CommandRegistry::IsDefault(const QString& id) const {
  const Command* command = Find(id);
  return !command || command->action->shortcuts() == command->info.defaultKeys;
}

void CommandRegistry::UseSettings(const QString& organization, const QString& application) {
  organization_ = organization;
  application_ = application;
  const QSettings settings(organization_, application_);
  // Read all before applying any: a key moved from one command to another
  // must not be refused because the first still holds it.
  std::vector<std::pair<Command*, QList<QKeySequence>>> stored;
  for (const auto& command : commands_) {
    const QString key = SettingsKey(command->info.id);
    if (settings.contains(key))
      stored.emplace_back(command.get(),
                          QKeySequence::listFromString(settings.value(key).toString(), QKeySequence::PortableText));
  }
  for (auto& [command, keys] : stored) command->action->setShortcuts({});
  for (auto& [command, keys] : stored) {
    QList<QKeySequence> free;
    for (const QKeySequence& key : keys) {
      if (!key.isEmpty() && !Conflict(command->info.id, {key})) free << key;
    }
    command->action->setShortcuts(free);
  }
}

void CommandRegistry::Store(const Command& command) const {
  if (application_.isEmpty()) return;
  QSettings settings(organization_, application_);
  const QString key = SettingsKey(command.info.id);
  if (command.action->shortcuts() == command.info.defaultKeys) {
    settings.remove(key);
  } else {
    settings.setValue(key, QKeySequence::listToString(command.action->shortcuts(), QKeySequence::PortableText));
  }
  settings.sync();
}

QString CommandRegistry::PlainText(const QString& text) {
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    // "&&" is a literal ampersand, a single one marks the mnemonic.
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

QString CommandRegistry::MenuPathText(const Command& command) const {
  QStringList parts;
  for (const QString& part : command.info.menuPath.split('/', Qt::SkipEmptyParts)) parts << PlainText(MenuTitle(part));
  parts << PlainText(command.action->text());
  return parts.join(" > ");
}

QStringList CommandRegistry::SearchTexts(const Command& command) {
  QStringList texts{PlainText(command.action->text())};
  const QString source = PlainText(command.info.text);
  if (source != texts.front()) texts << source;
  return texts;
}

QString CommandRegistry::Description(const CommandInfo& info) {
  return QCoreApplication::translate("Befehlsbeschreibungen", info.description.toUtf8().constData());
}

QString CommandRegistry::MenuTitle(const QString& source) {
  return QCoreApplication::translate("Menüs", source.toUtf8().constData());
}

void CommandRegistry::Retranslate() {
  for (const auto& command : commands_) {
    if (command->registryText) command->action->setText(CommandText(command->info.text));
    ShowDescription(*command->action, Description(command->info));
  }
  emit TextsRetranslated();
}

}  // namespace tessmoor
