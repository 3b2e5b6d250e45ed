// The command registry behind the menus, the command search popup (Ctrl+Shift+P)
// and the user's own keys (Extras > Tastenkürzel...), driven as a person does.

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>
#include <set>

#include "editor/commands/CommandMatch.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/commands/CommandSearch.h"
#include "editor/commands/ShortcutsDialog.h"
#include "gui/MainWindowFixture.h"
#include "view/Zoom.h"

using namespace tessmoor;

namespace {

struct KeyRow {
  const char* id;
  const char* menuPath;
  const char* text;
  const char* keys;  // QKeySequence::PortableText, "; " between keys
};

// The menus' items and keys as they were before the registry built them, and
// the registry's own additions (Extras and the 3D window's context menu), the
// stamps, find and replace, and the keys that place a block, which are in no menu.
const KeyRow TodaysKeys[] = {
    {"FileNew", "&Datei", "&Neu", "Ctrl+N"},
    {"FileOpen", "&Datei", "Ö&ffnen...", "F3; Ctrl+O"},
    {"FileSave", "&Datei", "&Speichern", "F2; Ctrl+S"},
    {"FileSaveAs", "&Datei", "Speichern &unter...", ""},
    {"FileEarlierVersion", "&Datei", "Frühere &Version öffnen...", ""},
    {"FileCompile", "&Datei", "Speichern und &Compilieren", "F9"},
    {"FileTest", "&Datei", "&Testen", "F10"},
    {"FileTestFromHere", "&Datei", "Ab &hier testen", "Shift+F10"},
    {"FileExport", "&Datei", "E&xportieren...", ""},
    {"FileExit", "&Datei", "&Beenden", ""},
    {"EditUndo", "&Bearbeiten", "&Rückgängig", "Ctrl+Z"},
    {"EditRedo", "&Bearbeiten", "&Wiederherstellen", "Ctrl+Y; Ctrl+Shift+Z"},
    {"EditFill", "&Bearbeiten", "&Füllen", "Ins"},
    {"EditCopy", "&Bearbeiten", "&Kopieren", "Ctrl+Ins; Ctrl+C"},
    {"EditPaste", "&Bearbeiten", "&Einfügen", "Shift+Del; Ctrl+V"},
    {"EditPastePreview", "&Bearbeiten", "Einfügen mit &Vorschau", "Ctrl+Shift+V"},
    {"EditSelection", "&Bearbeiten", "&Auswahl bearbeiten...", "Ctrl+E"},
    {"EditSaveStamp", "&Bearbeiten", "Als Stempel spei&chern...", ""},
    {"EditFindReplace", "&Bearbeiten", "Suchen und Erse&tzen...", "Ctrl+F"},
    {"EditSetStartPos", "&Bearbeiten", "&Startposition festlegen...", ""},
    {"EditStartHere", "&Bearbeiten", "Startposition &hierher", ""},
    {"EditRamp", "&Bearbeiten", "Ra&mpe...", "Ctrl+Shift+R"},
    {"EditSmooth", "&Bearbeiten", "&Glätten", "Ctrl+Shift+G"},
    {"EditBrush", "&Bearbeiten", "Pi&nsel", "Ctrl+B"},
    {"EditRectangle", "&Bearbeiten", "Rechteck", "Ctrl+R"},
    {"EditCheckMap", "&Bearbeiten", "Karte &prüfen", "F8"},
    {"ViewProperties", "&Ansicht", "&Eigenschaften", "F7"},
    {"ViewTextureEditor", "&Ansicht", "&Textur-Editor", "F6"},
    {"ViewStamps", "&Ansicht", "Ste&mpel", ""},
    {"ViewTextures", "&Ansicht", "Te&xturen", ""},
    {"ViewFindTexture", "&Ansicht", "Textur &finden", "Ctrl+Shift+T"},
    {"View3D", "&Ansicht", "&3D-Ansicht", "F5"},
    {"View3DFromHere", "&Ansicht", "3D-Ansicht ab h&ier", "Shift+F5"},
    {"ViewFloor", "&Ansicht", "&Boden", "Ctrl+F1"},
    {"ViewCeiling", "&Ansicht", "&Decke", "Ctrl+F2"},
    {"ViewWall", "&Ansicht", "&Wand", "Ctrl+F3"},
    {"ViewPedestalFloor", "&Ansicht", "Sockel - B&oden", "Ctrl+F4"},
    {"ViewPedestalCeiling", "&Ansicht", "Sockel - De&cke", "Ctrl+F5"},
    {"ViewZoomIn", "&Ansicht", "Ver&größern", "Ctrl++; Ctrl+=; Ctrl+Shift++"},
    {"ViewZoomOut", "&Ansicht", "Ver&kleinern", "Ctrl+-"},
    {"ViewZoomReset", "&Ansicht", "Origi&nalgröße", "Ctrl+0"},
    {"ViewZoomWhole", "&Ansicht", "Ganze K&arte", "Ctrl+9"},
    {"ViewHeights", "&Ansicht", "&Höhen anzeigen", "Ctrl+H"},
    {"ViewStartPosition", "&Ansicht", "&Startposition zeigen", ""},
    {"ExtrasSearchCommand", "E&xtras", "&Befehl suchen...", "Ctrl+Shift+P"},
    {"ExtrasShortcuts", "E&xtras", "&Tastenkürzel...", ""},
    {"ExtrasScriptConsole", "E&xtras", "Skriptk&onsole", ""},
    {"ExtrasOpenScriptFolder", "E&xtras/S&kripte", "Skript&ordner öffnen", ""},
    {"ExtrasSettings", "E&xtras", "&Einstellungen...", ""},
    {"ExtrasTestProfiles", "E&xtras", "Test&profile...", ""},
    {"HelpManual", "&Hilfe", "&Handbuch", "F1"},
    {"HelpShortcuts", "&Hilfe", "&Tastenkürzel", ""},
    {"HelpAbout", "&Hilfe", "Ü&ber", ""},
    {"View3DRate4", "3D-Ansicht/&Animation", "4 Bilder pro Sekunde", ""},
    {"View3DRate8", "3D-Ansicht/&Animation", "8 Bilder pro Sekunde", ""},
    {"View3DRate12", "3D-Ansicht/&Animation", "12 Bilder pro Sekunde", ""},
    {"View3DRate16", "3D-Ansicht/&Animation", "16 Bilder pro Sekunde", ""},
    {"View3DKeys", "3D-Ansicht", "&Tasten...", "F1"},
    {"View3DClose", "3D-Ansicht", "&Schließen", "F5; Esc"},
    {"PlaceTurnRight", "Platzieren", "Rechts drehen", "R"},
    {"PlaceTurnLeft", "Platzieren", "Links drehen", "Shift+R"},
    {"PlaceMirrorX", "Platzieren", "Links-rechts spiegeln", "X"},
    {"PlaceMirrorY", "Platzieren", "Oben-unten spiegeln", "Y"},
    {"PlaceHere", "Platzieren", "Setzen", "Return; Enter"},
    {"PlaceCancel", "Platzieren", "Abbrechen", "Esc"},
};

QList<QKeySequence> Keys(const char* text) {
  return *text ? QKeySequence::listFromString(text, QKeySequence::PortableText) : QList<QKeySequence>();
}

// Every item of the menu bar with the path of menus above it; the recent maps are files, not commands.
void CollectMenuItems(QMenu* menu, const QString& path, QList<std::pair<QString, QAction*>>& items) {
  for (QAction* item : menu->actions()) {
    if (item->isSeparator()) continue;
    if (item->menu()) {
      if (item->menu()->objectName() != "MnuRecent") CollectMenuItems(item->menu(), path + "/" + item->text(), items);
      continue;
    }
    items.emplace_back(path, item);
  }
}

void OnNextModalDialog(std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) act(*dialog);
  });
}

class CommandRegistryGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    // Settings of this run only, never the user's.
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    MainWindowFixture::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  CommandRegistry& Registry() { return window->Commands(); }

  // Extras > Tastenkürzel..., with `act` run on the open dialog; it closes afterwards.
  void InShortcutsDialog(const std::function<void(QDialog&)>& act) {
    bool ran = false;
    OnNextModalDialog([&](QDialog& dialog) {
      act(dialog);
      ran = true;
      dialog.reject();
    });
    Trigger("ExtrasShortcuts");
    ASSERT_TRUE(ran);
  }

  static void Choose(QDialog& dialog, const QString& filter) {
    auto* field = dialog.findChild<QLineEdit*>("EdtFilter");
    field->clear();
    QTest::keyClicks(field, filter);
  }

  static void PressKey(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(dialog.findChild<QLineEdit*>("EdtKey"), key, modifiers);
  }

  QTemporaryDir config;
};

TEST_F(CommandRegistryGuiTest, EveryMenuItemIsARegisteredCommandWithTodaysTextAndKeys) {
  std::set<QString> ids;
  for (const auto& command : Registry().Commands())
    EXPECT_TRUE(ids.insert(command->info.id).second) << "twice: " << command->info.id.toStdString();
  ASSERT_EQ(Registry().Commands().size(), std::size(TodaysKeys));

  for (const KeyRow& row : TodaysKeys) {
    SCOPED_TRACE(row.id);
    const Command* command = Registry().Find(row.id);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->info.menuPath, row.menuPath);
    EXPECT_EQ(command->info.text, row.text);
    EXPECT_EQ(command->info.defaultKeys, Keys(row.keys));
    EXPECT_EQ(command->action->shortcuts(), Keys(row.keys));
    EXPECT_EQ(command->action->objectName(), row.id);
  }

  QList<std::pair<QString, QAction*>> items;
  for (QAction* top : window->menuBar()->actions()) CollectMenuItems(top->menu(), top->text(), items);
  EXPECT_EQ(items.size(), 53) << "the main window's menus show every command but the 3D window's and the placing keys";
  // In the order the features' anchors give, separators as "|".
  QStringList order;
  for (QAction* top : window->menuBar()->actions()) {
    for (QAction* item : top->menu()->actions())
      order << (item->isSeparator() ? QString("|") : item->menu() ? item->menu()->title() : item->objectName());
    order << "//";
  }
  EXPECT_EQ(order.join(' ').toStdString(),
            "FileNew FileOpen FileEarlierVersion FileSave FileSaveAs | &Zuletzt geöffnet | FileCompile FileTest "
            "FileTestFromHere FileExport | FileExit // EditUndo EditRedo | EditFill EditCopy EditPaste "
            "EditPastePreview EditSelection EditSaveStamp EditFindReplace EditSetStartPos EditStartHere | EditRamp "
            "EditSmooth | EditBrush EditRectangle | EditCheckMap // ViewProperties ViewTextureEditor ViewStamps "
            "ViewTextures ViewFindTexture View3D View3DFromHere | ViewFloor ViewCeiling ViewWall ViewPedestalFloor ViewPedestalCeiling | "
            "ViewZoomIn ViewZoomOut ViewZoomReset ViewZoomWhole | ViewHeights ViewStartPosition // "
            "ExtrasSearchCommand ExtrasShortcuts S&kripte ExtrasScriptConsole | ExtrasSettings ExtrasTestProfiles // "
            "HelpManual HelpShortcuts | HelpAbout //");
  for (const auto& [path, item] : items) {
    const Command* command = Registry().Find(item->objectName());
    ASSERT_NE(command, nullptr) << item->text().toStdString();
    EXPECT_EQ(command->action, item);
    EXPECT_EQ(command->info.menuPath, path);
  }
  // Alt and a letter must reach one item: with two, Qt only cycles between them.
  std::map<std::pair<QString, QChar>, QString> mnemonics;  // (menu, letter) -> item
  // A submenu's own title takes a letter of its menu too.
  QList<std::pair<QString, QAction*>> withSubmenus = items;
  for (QAction* top : window->menuBar()->actions()) {
    for (QAction* item : top->menu()->actions())
      if (item->menu()) withSubmenus.emplace_back(top->text(), item);
  }
  for (const auto& [path, item] : withSubmenus) {
    const qsizetype amp = item->text().indexOf('&');
    if (amp < 0 || amp + 1 >= item->text().size()) continue;
    const auto [at, fresh] = mnemonics.emplace(std::pair(path, item->text()[amp + 1].toLower()), item->text());
    EXPECT_TRUE(fresh) << path.toStdString() << ": " << at->second.toStdString() << " and "
                       << item->text().toStdString();
  }

  std::map<std::pair<QString, QString>, QString> owners;  // (scope, key) -> id
  for (const auto& command : Registry().Commands()) {
    for (const QKeySequence& key : command->action->shortcuts()) {
      const auto [at, fresh] = owners.emplace(std::pair(command->info.scope, key.toString()), command->info.id);
      EXPECT_TRUE(fresh) << key.toString().toStdString() << ": " << at->second.toStdString() << " and "
                         << command->info.id.toStdString();
    }
  }
}

TEST_F(CommandRegistryGuiTest, SearchPopupFiltersMovesRunsAndCloses) {
  const auto openPopup = [&] {
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* popup = window->findChild<TFrmCommandSearch*>("FrmCommandSearch");
    EXPECT_TRUE(popup && popup->isVisible());
    return popup;
  };
  TFrmCommandSearch* popup = openPopup();
  ASSERT_NE(popup, nullptr);
  auto* field = popup->findChild<QLineEdit*>("EdtFilter");
  auto* list = popup->findChild<QTreeWidget*>("LstCommands");
  ASSERT_EQ(QApplication::focusWidget(), field);
  // Disabled commands are not offered: nothing to undo or paste, no 3D window.
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QString id = list->topLevelItem(i)->data(0, Qt::UserRole).toString();
    EXPECT_TRUE(id != "EditUndo" && id != "EditPaste" && id != "EditPastePreview" && !id.startsWith("View3DRate"))
        << id.toStdString();
  }

  QTest::keyClicks(field, "ganz");
  ASSERT_GE(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "Ansicht > Ganze Karte");
  EXPECT_EQ(list->topLevelItem(0)->text(1), QKeySequence(Qt::CTRL | Qt::Key_9).toString(QKeySequence::NativeText));
  QTest::keyClick(field, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_FALSE(popup->isVisible());
  EXPECT_EQ(window->Geometry().zoomLevel, WholeGridZoomLevel(window->Geometry()));

  // The arrows choose among the matches: "ver" lists Vergrößern before Verkleinern.
  QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
  ASSERT_EQ(window->Geometry().zoomLevel, DefaultZoomLevel);
  popup = openPopup();
  QTest::keyClicks(field, "ver");
  ASSERT_GE(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "Ansicht > Vergrößern");
  EXPECT_EQ(list->topLevelItem(1)->text(0), "Ansicht > Verkleinern");
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down}) QTest::keyClick(field, key);
  QTest::keyClick(field, Qt::Key_Enter);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->Geometry().zoomLevel, DefaultZoomLevel + 1) << "Verkleinern ran";

  popup = openPopup();
  QTest::keyClicks(field, "gk");
  QTest::keyClick(field, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_FALSE(popup->isVisible());
  EXPECT_EQ(window->Geometry().zoomLevel, DefaultZoomLevel + 1) << "Escape runs nothing";
}

TEST_F(CommandRegistryGuiTest, OwnKeysOutliveTheWindowAndTakenKeysAreRefused) {
  QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear();
  window->RestoreSettings();
  InShortcutsDialog([&](QDialog& dialog) {
    Choose(dialog, "ganz");
    PressKey(dialog, Qt::Key_G, Qt::ControlModifier);
    PressKey(dialog, Qt::Key_S, Qt::ControlModifier);
    // Entfernen, then Standard, leave the Tastenkürzel command as it was.
    Choose(dialog, "tastenk");
    QTest::mouseClick(dialog.findChild<QWidget*>("BtnClear"), Qt::LeftButton);
    EXPECT_TRUE(Registry().Keys("ExtrasShortcuts").isEmpty());
    Choose(dialog, "befehl such");
    QTest::mouseClick(dialog.findChild<QWidget*>("BtnClear"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QWidget*>("BtnReset"), Qt::LeftButton);
  });
  ASSERT_EQ(dialogs.log.size(), 1u);
  EXPECT_EQ(dialogs.log[0], "error:Das Tastenkürzel " +
                                QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText).toStdString() +
                                " gehört schon zu „Datei > Speichern“.");
  EXPECT_EQ(Registry().Keys("ViewZoomWhole"), Keys("Ctrl+G"));
  EXPECT_EQ(Registry().Keys("FileSave"), Keys("F2; Ctrl+S"));

  // Stored at once: a second window over the same settings, the first one never closed properly.
  window.reset();
  window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
  window->RestoreSettings();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_EQ(Registry().Keys("ExtrasSearchCommand"), Keys("Ctrl+Shift+P"));
  EXPECT_TRUE(Registry().Keys("ExtrasShortcuts").isEmpty());
  QTest::keyClick(window.get(), Qt::Key_9, Qt::ControlModifier);
  EXPECT_EQ(window->Geometry().zoomLevel, DefaultZoomLevel) << "the old key is free";
  QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(window->Geometry().zoomLevel, WholeGridZoomLevel(window->Geometry()));

  // Ctrl+9 is free now, so Verkleinern may have it; Ctrl+G stays Ganze Karte's.
  EXPECT_FALSE(Registry().SetKeys("ViewZoomOut", Keys("Ctrl+G")));
  EXPECT_TRUE(Registry().SetKeys("ViewZoomOut", Keys("Ctrl+9")));
  // Ganze Karte back to its defaults cannot take Ctrl+9 from Verkleinern.
  Registry().ResetKeys("ViewZoomWhole");
  EXPECT_TRUE(Registry().Keys("ViewZoomWhole").isEmpty());
}

TEST(CommandSearchTest, WordStartsAndLettersInOrderRankBelowAPrefix) {
  QWidget owner;
  CommandRegistry registry(&owner);
  for (const char* text : {"Ganze K&arte", "Sockel - B&oden", "&Speichern", "Speichern &unter...", "&Gehe zu Karte",
                           "&Ausgang", "&Rückgängig"})
    registry.Add({QString(text).remove('&').remove(' '), text, "Tut etwas.", "&Menü"}, ContextRun());
  registry.Action("Rückgängig")->setEnabled(false);
  const auto found = [&](const QString& query) {
    QStringList texts;
    for (const Command* command : SearchCommands(registry, query))
      texts << CommandRegistry::PlainText(command->info.text);
    return texts;
  };
  EXPECT_EQ(found("gk"), (QStringList{"Ganze Karte", "Gehe zu Karte"}));
  EXPECT_EQ(found("GANZ"), QStringList{"Ganze Karte"});
  EXPECT_EQ(found("speich"), (QStringList{"Speichern", "Speichern unter..."}));
  EXPECT_EQ(found("ga"), (QStringList{"Ganze Karte", "Ausgang", "Gehe zu Karte"}))
      << "a prefix, then inside a word, then letters in order";
  EXPECT_EQ(found("gang"), (QStringList{"Ausgang"})) << "inside a word";
  EXPECT_EQ(found("rück"), QStringList{}) << "disabled";
  EXPECT_EQ(found("menü").size(), 6) << "the menu's name lists its items";
  EXPECT_EQ(found("").size(), 6);
  EXPECT_EQ(found("xyz"), QStringList{});
}

}  // namespace

TEST(CommandSearchTest, UmlautsAndTheirTwoLetterSpellingsFindEachOther) {
  const struct {
    const char* query;
    const char* text;
    bool matches;
  } rows[] = {
      {"pruefen", "Karte prüfen", true},
      {"PRUEFEN", "Karte prüfen", true},
      {"prüfen", "Karte pruefen", true},
      {"oeffnen", "Öffnen", true},
      {"Öffnen", "Oeffnen", true},
      {"rueckgaengig", "Rückgängig", true},
      {"vergroessern", "Vergrößern", true},
      {"strasse", "Straße", true},
      {"STRASSE", "Straße", true},
      {"straße", "Strasse", true},
      {"ae", "Ändern", true},
      {"gk", "Ganze Karte", true},
      {"kp", "Karte prüfen", true},
      {"prufen", "Karte prüfen", true},
      {"pruefen", "Karte prfen", false},
      {"oe", "Ganze Karte", false},
      {"ss", "Speichern", false},
      {"ueb", "Übernehmen", true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(MatchRank(QString::fromUtf8(row.query), QString::fromUtf8(row.text)).has_value(), row.matches)
        << row.query << " / " << row.text;
  }
}

TEST_F(CommandRegistryGuiTest, TheSearchFindsKartePruefenTypedWithoutUmlauts) {
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
  auto* popup = window->findChild<TFrmCommandSearch*>("FrmCommandSearch");
  ASSERT_TRUE(popup && popup->isVisible());
  QTest::keyClicks(QApplication::focusWidget(), "pruefen");
  auto* list = popup->findChild<QTreeWidget*>("LstCommands");
  ASSERT_GE(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "Bearbeiten > Karte prüfen");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

// A command's enabled rule is asked after every change of the map, not only
// when a menu opens: the keys and the tool bar act on the state it gives.
TEST_F(CommandRegistryGuiTest, EnabledStatesFollowTheMapWithoutAMenuOpening) {
  QAction* earlier = Registry().Action("FileEarlierVersion");
  EXPECT_FALSE(earlier->isEnabled()) << "an untitled map has no earlier versions";
  dialogs.saveAsAnswers.push_back(MapPath("eins.tmm"));
  Trigger("FileSaveAs");
  EXPECT_TRUE(earlier->isEnabled());
  dialogs.newMapAnswers.push_back(NewMapKind::EraseAll);
  Trigger("FileNew");
  EXPECT_FALSE(earlier->isEnabled());
}
