// The windows' texts follow the language while they are open: with a translator
// installed every text a window shows is the translated one, and with it removed
// the German is back byte for byte. A marking translator stands in for English,
// so the test does not depend on which English words the file holds.

#include <QRegularExpression>
#include <QTranslator>

#include "editor/windows/EditorNewForm.h"
#include "editor/windows/EditorSetStartPosForm.h"
#include "editor/windows/EditorTextureEditorForm.h"
#include "editor/windows/RampDialog.h"
#include "editor/windows/SettingsDialog.h"
#include "editor/windows/TestProfilesForm.h"
#include "gui/MainWindowFixture.h"
#include "gui/ShownTexts.h"

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

// What a language changes of the texts `window` shows: not the map's texture
// names, nor the names the languages have in the language chooser.
QStringList TranslatableTexts(QWidget& window) {
  QStringList texts;
  for (const ShownText& shown : ShownTexts(window)) {
    if (shown.place.contains("CboTex") || shown.place.endsWith("CboLanguage:item0") ||
        shown.place.endsWith("CboLanguage:item1"))
      continue;
    texts << shown.text;
  }
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
  for (QWidget* shown : windows) german.push_back(TranslatableTexts(*shown));
  const QString germanCaption = window->windowTitle();

  MarkingTranslator marking;
  QCoreApplication::installTranslator(&marking);
  QCoreApplication::processEvents();
  EXPECT_TRUE(window->windowTitle().startsWith(Mark)) << window->windowTitle().toStdString();
  for (size_t i = 0; i < windows.size(); ++i) {
    const QStringList translated = TranslatableTexts(*windows[i]);
    EXPECT_EQ(translated.size(), german[i].size()) << windows[i]->objectName().toStdString();
    for (const QString& text : translated) {
      if (IsText(text)) {
        EXPECT_TRUE(text.contains(Mark)) << text.toStdString();
      }
    }
  }

  QCoreApplication::removeTranslator(&marking);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->windowTitle(), germanCaption);
  for (size_t i = 0; i < windows.size(); ++i)
    EXPECT_EQ(TranslatableTexts(*windows[i]), german[i]) << windows[i]->objectName().toStdString();
}

}  // namespace

}  // namespace tessmoor
