// The texts the features put on the screen follow the language at once, and a
// return to German gives back exactly the texts of before.

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <QTreeWidget>
#include <map>

#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

// Stands in for any second language: it marks each text it is asked for, so a
// text that does not go through the translation shows unmarked.
class MarkingTranslator : public QTranslator {
 public:
  static constexpr const char* Mark = "EN:";
  QString translate(const char*, const char* source, const char*, int) const override {
    return Mark + QString::fromUtf8(source);
  }
  bool isEmpty() const override { return false; }
};

class FeatureTextsGuiTest : public MainWindowFixture {
 public:
  // What the features show: each text named by where it is.
  std::map<std::string, QString> ShownTexts() {
    std::map<std::string, QString> texts;
    const auto add = [&texts](const QString& where, const QString& text) { texts[where.toStdString()] = text; };
    auto& findReplace = Window<QDialog>("FrmFindReplace");
    add("FrmFindReplace", findReplace.windowTitle());
    for (auto* button : findReplace.findChildren<QAbstractButton*>()) add(button->objectName(), button->text());
    int group = 0;
    for (auto* box : findReplace.findChildren<QGroupBox*>()) add(QString("group %1").arg(group++), box->title());
    int label = 0;
    for (auto* shown : findReplace.findChildren<QLabel*>()) {
      const QString name = shown->objectName();
      add(name.isEmpty() ? QString("label %1").arg(label++) : name, shown->text());
    }
    for (const char* name : {"CboKind", "CboSetKind", "CboTextureLayer", "CboSetLayer"}) {
      auto* list = findReplace.findChild<QComboBox*>(name);
      for (int k = 0; k < list->count(); ++k) add(QString("%1 %2").arg(name).arg(k), list->itemText(k));
    }
    QTreeWidgetItem* header = findReplace.findChild<QTreeWidget*>("LVResults")->headerItem();
    for (int k = 0; k < header->columnCount(); ++k) add(QString("column %1").arg(k), header->text(k));
    auto* dock = Control<QDockWidget>("DockStamps");
    add("DockStamps", dock->windowTitle());
    add("EdtStampFilter", dock->findChild<QLineEdit*>("EdtStampFilter")->placeholderText());
    for (const char* name : {"FileEarlierVersion", "ExtrasSettings", "ViewStamps", "EditUndo"})
      add(name, Action(name)->text());
    for (const char* name : {"MnuRecent", "MnuScripts"}) add(name, Control<QMenu>(name)->title());
    return texts;
  }
};

TEST_F(FeatureTextsGuiTest, TextsFollowTheLanguageAndComeBackUnchanged) {
  MakeAnEdit();
  Trigger("ViewStamps");
  QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
  auto& findReplace = Window<QDialog>("FrmFindReplace");
  QTest::mouseClick(findReplace.findChild<QAbstractButton*>("BtnFind"), Qt::LeftButton);
  const std::map<std::string, QString> german = ShownTexts();
  ASSERT_EQ(german.at("LblCount").toStdString(), "4096 Zellen gefunden");

  MarkingTranslator other;
  ASSERT_TRUE(QCoreApplication::installTranslator(&other));
  QCoreApplication::processEvents();
  for (const auto& [where, text] : ShownTexts()) {
    if (text.isEmpty()) continue;
    EXPECT_TRUE(text.contains(MarkingTranslator::Mark)) << where << ": " << text.toStdString();
  }

  QCoreApplication::removeTranslator(&other);
  QCoreApplication::processEvents();
  const std::map<std::string, QString> again = ShownTexts();
  for (const auto& [where, text] : german) {
    ASSERT_TRUE(again.count(where)) << where;
    EXPECT_EQ(again.at(where).toStdString(), text.toStdString()) << where;
  }
}

}  // namespace

}  // namespace tessmoor
