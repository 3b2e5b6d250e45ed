// The editor in German and in English: every window the commands open, read
// as a person reads it. German stays as it always read; English shows no German
// text and keeps each Alt letter to one item; a switch while windows are open
// leaves every text as a fresh start in that language shows it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <map>
#include <memory>

#include "editor/commands/CommandRegistry.h"
#include "editor/commands/CommandSearch.h"
#include "editor/main/EditorMainForm.h"
#include "editor/main/MapTabsWindow.h"
#include "editor/widgets/UiLanguage.h"
#include "gui/MapTabsFixture.h"
#include "gui/ShownTexts.h"

namespace tessmoor {
namespace {

// Windows that stay open beside the map: tool windows, docks, the script console.
const char* const ToolWindowCommands[] = {"ViewProperties", "EditFindReplace", "EditCheckMap", "ExtrasScriptConsole",
                                          "ViewStamps",     "ViewTextures"};
// Commands that open a window or a dialog; each is read, then cancelled or closed.
const char* const ModalCommands[] = {"FileNew",         "FileOpen",           "FileEarlierVersion", "FileSaveAs",
                                     "FileCompile",     "FileExport",         "ViewTextureEditor",  "EditSaveStamp",
                                     "EditSetStartPos", "EditRamp",           "ExtrasShortcuts",    "ExtrasTestProfiles",
                                     "ExtrasSettings",  "View3D"};

using WindowTexts = std::map<QString, std::vector<ShownText>>;

QString Normalized(QString text, const QStringList& privatePaths) {
  for (const QString& path : privatePaths) text.replace(path, "<dir>");
  return text;
}

class LanguageGuiTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(MakeProgramDirectory(temp, programDirectory)); }
  void TearDown() override {
    tabs.reset();
    ForgetUiLanguage();
  }

  // A fresh start in `language`, with the real dialogs.
  void Start(UiLanguage language) {
    tabs.reset();
    ApplyUiLanguage(language);
    tabs = std::make_unique<MapTabsWindow>(nullptr, programDirectory);
    tabs->setObjectName("MainWindow");
    tabs->resize(1100, 700);
    tabs->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tabs.get()));
    QApplication::setActiveWindow(tabs.get());
    // A map with a file, so the windows that need one (compile, earlier versions) open.
    const QString map = programDirectory + "Maps/Halle.tmm";
    QFile::remove(map);
    ASSERT_TRUE(QFile::copy(QString(TM_BIN_DIR) + "/Maps/Sample.tmm", map));
    QFile::setPermissions(map, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(tabs->OpenMap(map.toStdString()));
    QCoreApplication::processEvents();
  }

  void Trigger(const char* id) {
    QAction* action = tabs->findChild<QAction*>(id);
    ASSERT_NE(action, nullptr) << id;
    ASSERT_TRUE(action->isEnabled()) << id;
    action->trigger();
    QCoreApplication::processEvents();
  }

  void OpenToolWindows() {
    for (const char* id : ToolWindowCommands) Trigger(id);
  }

  void Record(WindowTexts& into, QWidget& window, const QString& name) {
    std::vector<ShownText>& texts = into[name];
    for (ShownText shown : ShownTexts(window)) {
      const QStringList privatePaths{QDir::cleanPath(programDirectory), qEnvironmentVariable("XDG_DATA_HOME"),
                                     qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath()};
      shown.text = Normalized(shown.text, privatePaths);
      shown.place = name + "|" + Normalized(shown.place, privatePaths);
      texts.push_back(shown);
    }
  }

  // The texts of every visible window: the main window with its menus and
  // docks, and each tool window.
  WindowTexts OpenWindowsTexts() {
    WindowTexts texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || qobject_cast<QMenu*>(window)) continue;
      Record(texts, *window, window->objectName().isEmpty() ? window->metaObject()->className() : window->objectName());
    }
    return texts;
  }

  // Runs each modal command; whatever window waits for an answer meanwhile is
  // read and cancelled, a message box on the way too.
  WindowTexts ModalWindowsTexts() {
    WindowTexts texts;
    for (const char* id : ModalCommands) {
      int seen = 0;
      QTimer poll;
      poll.setInterval(5);
      QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        const QString name = QString("%1#%2 %3").arg(id).arg(seen++).arg(modal->objectName().isEmpty()
                                                                             ? modal->metaObject()->className()
                                                                             : modal->objectName());
        Record(texts, *modal, name);
        mnemonicClashes << WindowMnemonicClashes(*modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
          dialog->reject();
        } else {
          modal->close();
        }
      });
      QSet<QWidget*> shownBefore;
      for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) shownBefore << window;
      poll.start();
      Trigger(id);
      poll.stop();
      // A window that stays open beside the map (the compile log) is read and closed too.
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || shownBefore.contains(window) || qobject_cast<QMenu*>(window)) continue;
        Record(texts, *window, QString("%1#%2 %3").arg(id).arg(seen++).arg(window->objectName()));
        mnemonicClashes << WindowMnemonicClashes(*window);
        window->close();
      }
      EXPECT_GT(seen, 0) << id << " opened no window";
    }
    return texts;
  }

  // The command search's list, which closes as soon as it loses the keyboard.
  WindowTexts PopupTexts() {
    WindowTexts texts;
    Trigger("ExtrasSearchCommand");
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_NE(popup, nullptr) << "no command search";
    if (popup) {
      Record(texts, *popup, popup->objectName());
      popup->close();
    }
    return texts;
  }

  WindowTexts AllWindowsTexts() {
    OpenToolWindows();
    WindowTexts texts = OpenWindowsTexts();
    texts.merge(PopupTexts());
    // A saved change, so the replaced file is kept as an earlier version.
    Trigger("EditFill");
    Trigger("FileSave");
    texts.merge(ModalWindowsTexts());
    return texts;
  }

  QTemporaryDir temp;
  QString programDirectory;
  std::unique_ptr<MapTabsWindow> tabs;
  QStringList mnemonicClashes;
};

QString Line(const ShownText& shown) {
  QString text = shown.text;
  return shown.place + "\t" + text.replace('\\', "\\\\").replace('\n', "\\n");
}

QStringList Lines(const WindowTexts& texts) {
  QStringList lines;
  for (const auto& [window, shown] : texts)
    for (const ShownText& text : shown) lines << Line(text);
  return lines;
}

// Alt and a letter must reach one item of a menu (or one menu of the bar):
// with two, Qt only cycles between them.
QStringList MenuBarClashes(QWidget& window) {
  QStringList clashes;
  int menus = 0;
  for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    if (!bar->isVisible()) continue;
    QStringList titles;
    for (QAction* top : bar->actions()) {
      titles << top->text();
      if (top->menu()) clashes << MenuMnemonicClashes(*top->menu());
      ++menus;
    }
    clashes << MenuMnemonicClashes(titles);
  }
  EXPECT_EQ(menus, 5);
  return clashes;
}

QString TodaysGermanFile() { return QString(TM_SOURCE_DIR) + "/tests/gui/data/german_texts.txt"; }

TEST_F(LanguageGuiTest, EveryWindowReadsInGermanAsItAlwaysHas) {
  Start(UiLanguage::German);
  const QStringList clashes = MenuBarClashes(*tabs);
  EXPECT_TRUE(clashes.isEmpty()) << clashes.join("\n").toStdString();
  const QStringList lines = Lines(AllWindowsTexts());
  QFile file(TodaysGermanFile());
  if (qEnvironmentVariableIsSet("TM_WRITE_GERMAN_TEXTS")) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((lines.join('\n') + '\n').toUtf8());
    return;
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList expected = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  // Line by line, so a failure names the place.
  for (qsizetype at = 0; at < std::max(lines.size(), expected.size()); ++at) {
    const QString now = at < lines.size() ? lines[at] : "(none)";
    const QString then = at < expected.size() ? expected[at] : "(none)";
    ASSERT_EQ(now.toStdString(), then.toStdString()) << "line " << at + 1;
  }
}


// The German source texts the English file translates to something else, as
// patterns: "%1" stands for whatever the program puts there.
std::vector<QRegularExpression> GermanSourcePatterns() {
  QFile file(QString(TM_SOURCE_DIR) + "/translations/tessmoor_en.ts");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  std::vector<QRegularExpression> patterns;
  QString source;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"source") source = xml.readElementText();
    if (xml.name() == u"translation") {
      const QString translation = xml.readElementText();
      // Only texts with a letter of their own say which language they are in.
      QString letters = source;
      letters.remove(QRegularExpression("%\\d|[^\\p{L}]"));
      if (translation == source || letters.size() < 2) continue;
      QString pattern = QRegularExpression::escape(source);
      pattern.replace(QRegularExpression("%\\d"), ".*");
      patterns.emplace_back(QRegularExpression::anchoredPattern(pattern));
    }
  }
  return patterns;
}

TEST_F(LanguageGuiTest, InEnglishNoWindowShowsAGermanTextAndEachAltLetterReachesOneItem) {
  Start(UiLanguage::English);
  const std::vector<QRegularExpression> german = GermanSourcePatterns();
  ASSERT_GT(german.size(), 300u);
  const WindowTexts texts = AllWindowsTexts();
  QStringList germanShown;
  for (const auto& [window, shown] : texts) {
    for (const ShownText& text : shown) {
      for (const QRegularExpression& pattern : german) {
        if (pattern.match(text.text).hasMatch()) {
          germanShown << Line(text);
          break;
        }
      }
    }
  }
  EXPECT_TRUE(germanShown.isEmpty()) << germanShown.join("\n").toStdString();
  mnemonicClashes << MenuBarClashes(*tabs);
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window != tabs.get()) mnemonicClashes << WindowMnemonicClashes(*window);
  EXPECT_TRUE(mnemonicClashes.isEmpty()) << mnemonicClashes.join("\n").toStdString();
}

TEST_F(LanguageGuiTest, ASwitchWithWindowsOpenReadsAsAFreshStartInThatLanguage) {
  // A step to undo, so the Edit menu names it.
  const auto openWindowsAfterAnEdit = [this] {
    Trigger("EditFill");
    OpenToolWindows();
  };
  std::map<UiLanguage, WindowTexts> fresh;
  for (UiLanguage language : {UiLanguage::German, UiLanguage::English}) {
    Start(language);
    openWindowsAfterAnEdit();
    fresh[language] = OpenWindowsTexts();
  }
  Start(UiLanguage::German);
  openWindowsAfterAnEdit();
  for (UiLanguage language : {UiLanguage::English, UiLanguage::German}) {
    SCOPED_TRACE(language == UiLanguage::English ? "to English" : "back to German");
    ApplyUiLanguage(language);
    QCoreApplication::processEvents();
    const QStringList now = Lines(OpenWindowsTexts());
    const QStringList start = Lines(fresh[language]);
    QStringList differences;
    for (const QString& line : now)
      if (!start.contains(line)) differences << "now:   " + line;
    for (const QString& line : start)
      if (!now.contains(line)) differences << "fresh: " + line;
    EXPECT_TRUE(differences.isEmpty()) << differences.join("\n").toStdString();
  }
}

QString MenuTitles(QWidget& window) {
  QStringList titles;
  for (QMenuBar* bar : window.findChildren<QMenuBar*>())
    if (bar->isVisible())
      for (QAction* top : bar->actions()) titles << top->text();
  return titles.join(' ');
}

TEST_F(LanguageGuiTest, TheSettingsSwitchAtOnceAndTheSearchStillKnowsTheGermanNames) {
  Start(UiLanguage::German);
  ASSERT_EQ(MenuTitles(*tabs), "&Datei &Bearbeiten &Ansicht E&xtras &Hilfe");
  // Extras > Einstellungen, Alt+P to "Sprache" (Alt+L to "Language"), the
  // next entry or the one before, Enter for OK. A failed step closes the
  // dialog, or the test would wait for it.
  const auto choose = [](Qt::Key letter, Qt::Key key) {
    return [letter, key] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return ADD_FAILURE() << "no settings";
      QApplication::setActiveWindow(dialog);
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog, letter, Qt::AltModifier);
      if (QApplication::focusWidget()->objectName() != "CboLanguage") {
        ADD_FAILURE() << "the Alt letter missed the language";
        static_cast<QDialog*>(dialog)->reject();
        return;
      }
      QTest::keyClick(QApplication::focusWidget(), key);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
  };
  QTimer::singleShot(0, choose(Qt::Key_P, Qt::Key_Down));
  Trigger("ExtrasSettings");
  EXPECT_EQ(MenuTitles(*tabs), "&File &Edit &View &Tools &Help");
  EXPECT_EQ(StoredUiLanguage(), UiLanguage::English);

  // The search finds a command by its English text and by its German one.
  CommandRegistry& registry = tabs->Current().Commands();
  for (const char* query : {"check map", "Karte prüfen", "karte pruefen"}) {
    const QList<const Command*> found = SearchCommands(registry, query);
    ASSERT_FALSE(found.isEmpty()) << query;
    EXPECT_EQ(found.front()->info.id, "EditCheckMap") << query;
    EXPECT_EQ(registry.MenuPathText(*found.front()), "Edit > Check Map");
  }

  // A fresh start speaks the stored language; back to German the same way.
  Start(StoredUiLanguage());
  EXPECT_EQ(MenuTitles(*tabs), "&File &Edit &View &Tools &Help");
  QTimer::singleShot(0, choose(Qt::Key_L, Qt::Key_Up));
  Trigger("ExtrasSettings");
  EXPECT_EQ(MenuTitles(*tabs), "&Datei &Bearbeiten &Ansicht E&xtras &Hilfe");
  EXPECT_EQ(StoredUiLanguage(), UiLanguage::German);
}

}  // namespace
}  // namespace tessmoor
