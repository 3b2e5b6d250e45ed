#include "editor/main/CommandReference.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <cstdio>
#include <map>

#include "editor/commands/CommandRegistry.h"
#include "editor/main/EditorMainForm.h"
#include "editor/main/MapTabsWindow.h"
#include "editor/widgets/UiLanguage.h"

namespace tessmoor {

namespace {

// Script files and recent maps are the user's files, not the program's commands.
bool IsProgramCommand(const Command& command) { return !command.info.id.startsWith(QStringLiteral("Script:")); }

void CollectMenu(const QMenu& menu, const CommandRegistry& registry, QStringList& ids) {
  for (const QAction* item : menu.actions()) {
    if (item->menu()) {
      if (item->menu()->objectName() != "MnuRecent") CollectMenu(*item->menu(), registry, ids);
    } else if (const Command* command = registry.Find(item->objectName());
               command && IsProgramCommand(*command) && !ids.contains(command->info.id)) {
      ids << command->info.id;
    }
  }
}

QStringList OrderedIds(const CommandRegistry& registry, const QMenuBar& bar) {
  QStringList ids;
  for (const QAction* item : bar.actions()) {
    if (item->menu()) CollectMenu(*item->menu(), registry, ids);
  }
  for (const auto& command : registry.Commands()) {
    if (IsProgramCommand(*command) && !ids.contains(command->info.id)) ids << command->info.id;
  }
  return ids;
}

QString Cell(QString text) { return text.replace('|', QStringLiteral("\\|")); }

QString MenuPath(const Command& command) {
  QStringList parts;
  for (const QString& part : command.info.menuPath.split('/', Qt::SkipEmptyParts))
    parts << CommandRegistry::PlainText(CommandRegistry::MenuTitle(part));
  return parts.join(QStringLiteral(" > "));
}

QString Keys(const Command& command) {
  QStringList keys;
  for (const QKeySequence& key : command.info.defaultKeys) keys << key.toString(QKeySequence::PortableText);
  return keys.join(QStringLiteral(", "));
}

QString Row(const Command& command) {
  return QStringLiteral("| %1 | %2 | %3 | %4 |\n")
      .arg(Cell(MenuPath(command)), Cell(CommandRegistry::PlainText(command.action->text())), Cell(Keys(command)),
           Cell(CommandRegistry::Description(command.info)));
}

}  // namespace

std::optional<ReferenceRequest> ParseReferenceRequest(int argc, char** argv, QString& error) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (!args.contains(ListCommandsOption)) return std::nullopt;
  ReferenceRequest request;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    const QString value = i + 1 < args.size() ? args[i + 1] : QString();
    if (arg == ListCommandsOption) continue;
    if (arg == "--format" && value == "markdown") {
      ++i;
    } else if (arg == "--lang" && (value == "de" || value == "en")) {
      request.english = value == "en";
      ++i;
    } else {
      error = QStringLiteral("TMEdit %1 [--format markdown] [--lang de|en]: %2?").arg(ListCommandsOption, arg);
      return request;
    }
  }
  return request;
}

QString CommandReferenceMarkdown(const CommandRegistry& registry, const QMenuBar& bar) {
  QString text = QStringLiteral("# %1\n\n%2\n")
                     .arg(QCoreApplication::translate("CommandReference", "Befehle"),
                          QCoreApplication::translate("CommandReference",
                                                      "Jeder Befehl des Editors, nach Menüs geordnet, "
                                                      "mit seinen voreingestellten Tasten. Diese Seite "
                                                      "wird aus dem Programm erzeugt."));
  // One table per menu, in the order the menus first appear.
  QStringList groups;
  std::map<QString, QString> rows;
  for (const QString& id : OrderedIds(registry, bar)) {
    const Command& command = *registry.Find(id);
    const QString group = command.info.menuPath.section('/', 0, 0);
    if (!groups.contains(group)) groups << group;
    rows[group] += Row(command);
  }
  for (const QString& group : groups) {
    text += QStringLiteral("\n## %1\n\n| %2 | %3 | %4 | %5 |\n|---|---|---|---|\n%6")
                .arg(CommandRegistry::PlainText(CommandRegistry::MenuTitle(group)),
                     QCoreApplication::translate("CommandReference", "Menü"),
                     QCoreApplication::translate("CommandReference", "Befehl"),
                     QCoreApplication::translate("CommandReference", "Tasten"),
                     QCoreApplication::translate("CommandReference", "Beschreibung"), rows[group]);
  }
  return text;
}

int PrintCommandReference(const ReferenceRequest& request) {
  ApplyUiLanguage(request.english ? UiLanguage::English : UiLanguage::German);
  MapTabsWindow window;
  TFrmMain& main = window.Current();
  const QByteArray text = CommandReferenceMarkdown(main.Commands(), *main.menuBar()).toUtf8();
  std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace tessmoor
