// The windows' texts follow the language while they are open: with a translator
// installed every text a window shows is the translated one, and with it removed
// the German is back byte for byte. A marking translator stands in for English,
// so the test does not depend on which English words the file holds.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>

#include "editor/windows/EditorNewForm.h"
#include "editor/windows/EditorSetStartPosForm.h"
#include "editor/windows/EditorTextureEditorForm.h"
#include "editor/windows/RampDialog.h"
#include "editor/windows/SettingsDialog.h"
#include "editor/windows/TestProfilesForm.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

const QString Mark = QStringLiteral("EN ");

class MarkingTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    return Mark + QString::fromUtf8(source);
  }
};

// Every text a person reads in `window`: its caption, captions of its controls,
// their tool tips, list entries, tab and column titles. Paths and numbers that
// are no texts are skipped by the caller.
QStringList ShownTexts(QWidget& window) {
  QStringList texts{window.windowTitle()};
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* widget : widgets) {
    if (widget != &window && widget->isWindow()) continue;  // another window's texts
    texts << widget->toolTip();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
    // a texture list holds the map's names, which no language changes
    auto* list = qobject_cast<QComboBox*>(widget);
    if (list && !list->objectName().startsWith(QStringLiteral("CboTex"))) {
      for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
      for (int i = 0; i < tree->columnCount(); ++i) texts << tree->headerItem()->text(i);
    }
  }
  texts.removeAll(QString());
  return texts;
}

bool IsText(const QString& shown) { return shown.contains(QRegularExpression(QStringLiteral("[A-Za-zÄÖÜäöüß]{2}"))); }

class WindowTextsGuiTest : public MainWindowFixture {};

TEST_F(WindowTextsGuiTest, EveryWindowTextFollowsTheLanguageAndGermanComesBackUnchanged) {
  Trigger("ViewProperties");
  QTest::keyClick(window.get(), Qt::Key_F8);  // the map check
  TFrmNew newForm(window.get());
  TFrmSetStartPos startForm(window.get());
  TFrmRamp rampForm(window.get());
  TFrmSettings settingsForm(window.get(), [](QWidget*) { return QString(); });
  TFrmTestProfiles profilesForm(window.get(), dialogs);
  TFrmTextureEditor textureForm(Model(), Editor(), dialogs, {}, window.get());
  // Of the main window, what this part of the program puts there: the caption and the tool bar.
  const std::vector<QWidget*> windows = {Control<QWidget>("PnlToolBar"),
                                         &Window<QWidget>("FrmProperties"),
                                         &Window<QWidget>("FrmMapCheck"),
                                         &newForm,
                                         &startForm,
                                         &rampForm,
                                         &settingsForm,
                                         &profilesForm,
                                         &textureForm};
  std::vector<QStringList> german;
  for (QWidget* shown : windows) german.push_back(ShownTexts(*shown));
  const QString germanCaption = window->windowTitle();

  MarkingTranslator marking;
  QCoreApplication::installTranslator(&marking);
  QCoreApplication::processEvents();
  EXPECT_TRUE(window->windowTitle().startsWith(Mark)) << window->windowTitle().toStdString();
  for (size_t i = 0; i < windows.size(); ++i) {
    const QStringList translated = ShownTexts(*windows[i]);
    EXPECT_EQ(translated.size(), german[i].size()) << windows[i]->objectName().toStdString();
    for (const QString& text : translated) {
      if (IsText(text)) EXPECT_TRUE(text.contains(Mark)) << text.toStdString();
    }
  }

  QCoreApplication::removeTranslator(&marking);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->windowTitle(), germanCaption);
  for (size_t i = 0; i < windows.size(); ++i)
    EXPECT_EQ(ShownTexts(*windows[i]), german[i]) << windows[i]->objectName().toStdString();
}

}  // namespace

}  // namespace tessmoor
