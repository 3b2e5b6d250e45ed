#include "editor/main/TabCommands.h"

#include <QCoreApplication>
#include <QKeySequence>

#include "editor/commands/CommandRegistry.h"
#include "editor/commands/FeatureContext.h"
#include "editor/commands/MenuLayout.h"
#include "editor/main/TabHost.h"

namespace tessmoor {

void AddTabCommands(CommandRegistry& registry, MenuLayout& menus, TabHost& host) {
  // The tabs belong to the window that holds them, not to the map a command is handed.
  using Context = const FeatureContext&;
  const auto severalTabs = [&host](Context) { return host.TabCount() > 1; };
  registry.Add({"FileNewTab",
                QT_TRANSLATE_NOOP("Befehle", "Neuer T&ab"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Öffnet einen neuen Tab mit einer leeren Karte."),
                "&Datei",
                {QKeySequence(Qt::CTRL | Qt::Key_T)}},
               [&host](Context) { host.NewTab(); });
  registry.Add({"FileOpenInTab",
                QT_TRANSLATE_NOOP("Befehle", "In n&euem Tab öffnen..."),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Öffnet eine gespeicherte Karte in einem neuen Tab."),
                "&Datei",
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)}},
               [&host](Context) { host.OpenInNewTab(); });
  registry.Add({"FileCloseTab",
                QT_TRANSLATE_NOOP("Befehle", "Tab sch&ließen"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Schließt den aktuellen Tab."),
                "&Datei",
                {QKeySequence(Qt::CTRL | Qt::Key_W)},
                MainWindowScope,
                severalTabs},
               [&host](Context) { host.CloseCurrentTab(); });
  // X reports Shift+Tab as Backtab; both spellings reach the previous tab.
  registry.Add({"ViewNextTab",
                QT_TRANSLATE_NOOP("Befehle", "Nächster Tab"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Wechselt zum nächsten Tab."),
                "&Ansicht",
                {QKeySequence(Qt::CTRL | Qt::Key_Tab)},
                MainWindowScope,
                severalTabs},
               [&host](Context) { host.StepTab(1); });
  registry.Add(
      {"ViewPreviousTab",
       QT_TRANSLATE_NOOP("Befehle", "Vorheriger Tab"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Wechselt zum vorherigen Tab."),
       "&Ansicht",
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
       MainWindowScope,
       severalTabs},
      [&host](Context) { host.StepTab(-1); });
  menus.InsertBefore("MnuFile", "FileOpen", {"FileNewTab"});
  menus.InsertAfter("MnuFile", "FileOpen", {"FileOpenInTab"});
  menus.InsertBefore("MnuFile", "FileExit", {"FileCloseTab"});
  menus.InsertAfter("MnuView", {}, {MenuLayout::Separator, "ViewNextTab", "ViewPreviousTab"});
}

}  // namespace tessmoor
