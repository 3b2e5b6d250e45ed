// The start position dialog, the new-map dialog, the integer field and the Qt
// dialog layer, driven through their real modal loops.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <functional>
#include <limits>

#include "editor/windows/EditorNewForm.h"
#include "editor/windows/EditorSetStartPosForm.h"
#include "editor/widgets/IntSpinField.h"
#include "editor/windows/QtDialogLayer.h"

namespace tessmoor {

namespace {

// Runs `action` on the modal window once it is up; the modal loop that shows
// it is started by the caller right after this.
void WhenModalShown(std::function<void(QWidget&)> action) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    action(*modal);
  });
  poll->start();
}

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void Retype(IntSpinField* field, const QString& text) {
  field->selectAll();
  QTest::keyClicks(field, text);
}

// --- TFrmSetStartPos ---

TEST(SetStartPosFormTest, FreshPositionShowsZeroesWithTheFocusOnX) {
  TFrmSetStartPos form;
  StartPosition position;
  QString shownX, shownY, focused;
  WhenModalShown([&](QWidget& dialog) {
    shownX = Child<IntSpinField>(dialog, "SpnPosX")->text();
    shownY = Child<IntSpinField>(dialog, "SpnPosY")->text();
    focused = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    Child<QPushButton>(dialog, "BtnCancel")->click();
  });
  form.EditStartPosition(position);
  EXPECT_EQ(shownX, QStringLiteral("0"));
  EXPECT_EQ(shownY, QStringLiteral("0"));
  EXPECT_EQ(focused, QStringLiteral("SpnPosX"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Startposition festlegen"));
}

TEST(SetStartPosFormTest, OkStoresValuesOutsideTheGridUnchanged) {
  TFrmSetStartPos form;
  StartPosition position{4, 5};
  WhenModalShown([](QWidget& dialog) {
    Retype(Child<IntSpinField>(dialog, "SpnPosX"), QStringLiteral("70"));
    Retype(Child<IntSpinField>(dialog, "SpnPosY"), QStringLiteral("-3"));
    QTest::mouseClick(Child<QPushButton>(dialog, "BtnOK"), Qt::LeftButton);
  });
  const std::optional<StartPosition> chosen = form.EditStartPosition(position);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->x, 70);
  EXPECT_EQ(chosen->y, -3);
}

TEST(SetStartPosFormTest, EnterConfirmsAndLettersReadAsZero) {
  TFrmSetStartPos form;
  StartPosition position{4, 5};
  WhenModalShown([](QWidget& dialog) {
    Retype(Child<IntSpinField>(dialog, "SpnPosX"), QStringLiteral("x1"));
    QTest::keyClick(Child<IntSpinField>(dialog, "SpnPosX"), Qt::Key_Return);
  });
  const std::optional<StartPosition> chosen = form.EditStartPosition(position);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->x, 0);
  EXPECT_EQ(chosen->y, 5);
}

TEST(SetStartPosFormTest, CancelAndEscapeLeaveThePositionUnchanged) {
  TFrmSetStartPos form;
  StartPosition position{12, 34};
  for (bool escape : {false, true}) {
    WhenModalShown([escape](QWidget& dialog) {
      Retype(Child<IntSpinField>(dialog, "SpnPosX"), QStringLiteral("1"));
      Retype(Child<IntSpinField>(dialog, "SpnPosY"), QStringLiteral("2"));
      if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
      else
        Child<QPushButton>(dialog, "BtnCancel")->click();
    });
    EXPECT_FALSE(form.EditStartPosition(position).has_value()) << escape;
  }
}

TEST(SetStartPosFormTest, ReopeningShowsTheCurrentPositionNotTheLastTyped) {
  TFrmSetStartPos form;
  StartPosition position{12, 34};
  WhenModalShown([](QWidget& dialog) {
    Retype(Child<IntSpinField>(dialog, "SpnPosX"), QStringLiteral("99"));
    Child<QPushButton>(dialog, "BtnCancel")->click();
  });
  form.EditStartPosition(position);
  QString shownX;
  WhenModalShown([&](QWidget& dialog) {
    shownX = Child<IntSpinField>(dialog, "SpnPosX")->text();
    Child<QPushButton>(dialog, "BtnCancel")->click();
  });
  form.EditStartPosition(position);
  EXPECT_EQ(shownX, QStringLiteral("12"));
}

// --- TFrmNew ---

std::optional<NewMapKind> ChooseWith(TFrmNew& form, const char* radio, const char* button,
                                     bool* preselectedTakeOver = nullptr) {
  WhenModalShown([=](QWidget& dialog) {
    if (preselectedTakeOver) *preselectedTakeOver = Child<QRadioButton>(dialog, "RdoTakeOverTextures")->isChecked();
    if (radio) Child<QRadioButton>(dialog, radio)->click();
    Child<QPushButton>(dialog, button)->click();
  });
  return form.Choose();
}

TEST(NewFormTest, StartsWithEraseAllAndRemembersTheLastChoice) {
  TFrmNew form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Neu"));
  EXPECT_EQ(ChooseWith(form, nullptr, "BtnOk"), NewMapKind::EraseAll);
  EXPECT_EQ(ChooseWith(form, "RdoTakeOverTextures", "BtnOk"), NewMapKind::TakeOverTextures);
  bool preselected = false;
  EXPECT_EQ(ChooseWith(form, nullptr, "BtnOk", &preselected), NewMapKind::TakeOverTextures);
  EXPECT_TRUE(preselected);
  EXPECT_EQ(ChooseWith(form, "RdoEraseAll", "BtnCancel"), std::nullopt);
}

// --- IntSpinField ---

TEST(IntSpinFieldTest, ReadsTypedIntegersAndZeroForAnythingElse) {
  const struct {
    const char* typed;
    int32_t value;
  } rows[] = {
      {"-2147483648", std::numeric_limits<int32_t>::min()},
      {"2147483647", std::numeric_limits<int32_t>::max()},
      {"2147483648", 0},
      {"-2147483649", 0},
      {"abc", 0},
      {"12a", 0},
      {"", 0},
      {"-", 0},
      {"+5", 5},
      {"0042", 42},
      {"-17", -17},
  };
  IntSpinField field;
  for (const auto& row : rows) {
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, QString::fromLatin1(row.typed));
    EXPECT_EQ(field.text(), QString::fromLatin1(row.typed)) << "the field refused " << row.typed;
    EXPECT_EQ(field.value(), row.value) << row.typed;
  }
}

TEST(IntSpinFieldTest, BlanksAroundANumberAreIgnored) {
  EXPECT_EQ(IntFieldValue(QStringLiteral(" 42 ")), 42);
  EXPECT_EQ(IntFieldValue(QStringLiteral("4 2")), 0);
}

TEST(IntSpinFieldTest, ArrowsStepByOneAndStopAtTheRangeEnds) {
  IntSpinField field;
  field.setValue(5);
  QTest::keyClick(&field, Qt::Key_Up);
  EXPECT_EQ(field.value(), 6);
  QTest::keyClick(&field, Qt::Key_Down);
  QTest::keyClick(&field, Qt::Key_Down);
  EXPECT_EQ(field.value(), 4);

  field.setValue(std::numeric_limits<int32_t>::max());
  field.stepBy(1);
  EXPECT_EQ(field.value(), std::numeric_limits<int32_t>::max());
  field.setValue(std::numeric_limits<int32_t>::min());
  field.stepBy(-3);
  EXPECT_EQ(field.value(), std::numeric_limits<int32_t>::min());
  field.stepBy(1);
  EXPECT_EQ(field.value(), std::numeric_limits<int32_t>::min() + 1);
}

TEST(IntSpinFieldTest, LettersStepFromZero) {
  IntSpinField field;
  QTest::keyClicks(&field, QStringLiteral("abc"));
  field.stepBy(1);
  EXPECT_EQ(field.value(), 1);
}

// --- QtDialogLayer ---

class QtDialogLayerTest : public ::testing::Test {
 protected:
  QWidget owner;
  TFrmNew newForm{&owner};
  QtDialogLayer dialogs{&owner, newForm};
};

TEST_F(QtDialogLayerTest, SaveQuestionMapsEveryWayOut) {
  const struct {
    QMessageBox::StandardButton clicked;  // NoButton: Escape
    SaveChangesAnswer answer;
  } rows[] = {
      {QMessageBox::Yes, SaveChangesAnswer::Yes},
      {QMessageBox::No, SaveChangesAnswer::No},
      {QMessageBox::Cancel, SaveChangesAnswer::Cancel},
      {QMessageBox::NoButton, SaveChangesAnswer::Cancel},
  };
  for (const auto& row : rows) {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModalShown([&](QWidget& modal) {
      auto* box = qobject_cast<QMessageBox*>(&modal);
      ASSERT_NE(box, nullptr);
      text = box->text();
      title = box->windowTitle();
      icon = box->icon();
      if (row.clicked == QMessageBox::NoButton)
        QTest::keyClick(box, Qt::Key_Escape);
      else
        box->button(row.clicked)->click();
    });
    EXPECT_EQ(dialogs.AskSaveChanges(), row.answer) << int(row.clicked);
    EXPECT_EQ(text, QStringLiteral("Die letzten Änderungen wurden noch nicht gespeichert. Jetzt sichern?"));
    EXPECT_EQ(title, QStringLiteral("Tessmoor-Editor"));
    EXPECT_EQ(icon, QMessageBox::Warning);
  }
}

TEST_F(QtDialogLayerTest, ErrorBoxIsCriticalWithOneOkButton) {
  QString text;
  int buttons = 0;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  WhenModalShown([&](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  dialogs.ShowError("Fehler beim Lesen von \"Gr\xC3\xBCn.tmm\"");
  EXPECT_EQ(text, QStringLiteral("Fehler beim Lesen von \"Grün.tmm\""));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
}

TEST_F(QtDialogLayerTest, InformationBoxHasItsTitleTextAndOneOkButton) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  WhenModalShown([&](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    QTest::keyClick(box, Qt::Key_Return);
  });
  dialogs.ShowInformation("Tasten der 3D-Ansicht",
                          "Pos1: zur\xC3\xBC"
                          "ck zum Start");
  EXPECT_EQ(title, QStringLiteral("Tasten der 3D-Ansicht"));
  EXPECT_EQ(text, QStringLiteral("Pos1: zurück zum Start"));
  EXPECT_EQ(icon, QMessageBox::Information);
  EXPECT_EQ(buttons, 1);
}

struct FileDialogSeen {
  QString title;
  QStringList filters;
  QString suffix;
  QFileDialog::FileMode mode = QFileDialog::AnyFile;
  QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
  bool confirmsOverwrite = false;
  QString directory;
  QList<QUrl> sideBar;
};

// Records the dialog's set-up, then picks `files` (or cancels without any).
void InspectFileDialog(FileDialogSeen& seen, QStringList files) {
  WhenModalShown([&seen, files](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    seen.title = dialog->windowTitle();
    seen.filters = dialog->nameFilters();
    seen.suffix = dialog->defaultSuffix();
    seen.mode = dialog->fileMode();
    seen.acceptMode = dialog->acceptMode();
    seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    seen.directory = dialog->directory().absolutePath();
    seen.sideBar = dialog->sidebarUrls();
    if (files.isEmpty()) {
      dialog->reject();
      return;
    }
    QString names;
    for (const QString& file : files) names += QLatin1Char('"') + file + QStringLiteral("\" ");
    dialog->selectFile(files.size() == 1 ? files.front() : names.trimmed());
    static_cast<QDialog*>(dialog)->accept();  // the file dialog's own checks still run
  });
}

TEST_F(QtDialogLayerTest, OpenDialogOffersMapsAndReturnsTheChosenPath) {
  QTemporaryDir directory;
  const QString map = directory.filePath(QStringLiteral("Grün.tmm"));
  QFile(map).open(QIODevice::WriteOnly);
  FileDialogSeen seen;
  InspectFileDialog(seen, {QStringLiteral("Grün.tmm")});
  const std::optional<std::string> chosen = dialogs.ChooseMapToOpen(directory.path().toStdString());
  EXPECT_EQ(seen.title, QStringLiteral("Öffnen"));
  EXPECT_EQ(seen.filters, (QStringList{QStringLiteral("Tessmoor Maps (*.tmm)"), QStringLiteral("Alle Dateien (*)")}));
  EXPECT_EQ(seen.suffix, QStringLiteral("tmm"));
  EXPECT_EQ(seen.mode, QFileDialog::ExistingFile);
  EXPECT_EQ(seen.directory, directory.path());
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, map.toStdString());
}

TEST_F(QtDialogLayerTest, SaveDialogAsksBeforeOverwritingAndCancelGivesNothing) {
  QTemporaryDir directory;
  FileDialogSeen seen;
  InspectFileDialog(seen, {});
  EXPECT_EQ(dialogs.ChooseMapToSave(directory.path().toStdString()), std::nullopt);
  EXPECT_EQ(seen.title, QStringLiteral("Speichern unter"));
  EXPECT_EQ(seen.filters, (QStringList{QStringLiteral("Tessmoor-Maps (*.tmm)"), QStringLiteral("Alle Dateien (*)")}));
  EXPECT_EQ(seen.suffix, QStringLiteral("tmm"));
  EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
  EXPECT_TRUE(seen.confirmsOverwrite);
}

TEST_F(QtDialogLayerTest, SaveDialogAddsTheDefaultSuffix) {
  QTemporaryDir directory;
  FileDialogSeen seen;
  InspectFileDialog(seen, {QStringLiteral("Neu")});
  const std::optional<std::string> chosen = dialogs.ChooseMapToSave(directory.path().toStdString());
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, directory.filePath(QStringLiteral("Neu.tmm")).toStdString());
}

TEST_F(QtDialogLayerTest, PictureDialogReturnsEveryChosenFile) {
  QTemporaryDir directory;
  for (const char* name : {"A.pcx", "B.pcx"})
    QFile(directory.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
  FileDialogSeen seen;
  InspectFileDialog(seen, {QStringLiteral("A.pcx"), QStringLiteral("B.pcx")});
  QTemporaryDir shipped, own;
  const std::vector<std::string> chosen = dialogs.ChoosePictures(
      directory.path().toStdString(), {shipped.path().toStdString() + "/", own.path().toStdString() + "/"});
  const auto offers = [&seen](const QString& folder) {
    return std::any_of(seen.sideBar.begin(), seen.sideBar.end(), [&folder](const QUrl& place) {
      return QDir::cleanPath(place.toLocalFile()) == QDir::cleanPath(folder);
    });
  };
  EXPECT_TRUE(offers(shipped.path())) << "the program's pictures";
  EXPECT_TRUE(offers(own.path())) << "the user's own";
  EXPECT_EQ(seen.title, QStringLiteral("Datei(en) der Textur hinzufügen"));
  EXPECT_EQ(seen.filters, (QStringList{QStringLiteral("PCX-Dateien (*.pcx)"), QStringLiteral("Alle Dateien (*)")}));
  EXPECT_EQ(seen.suffix, QStringLiteral("pcx"));
  EXPECT_EQ(seen.mode, QFileDialog::ExistingFiles);
  EXPECT_EQ(chosen.size(), 2u);
}

TEST_F(QtDialogLayerTest, ExportDialogProposesTheNameAndItFollowsTheChosenFormat) {
  QTemporaryDir directory;
  QString proposed, directoryShown, afterObj;
  WhenModalShown([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    directoryShown = dialog->directory().absolutePath();
    proposed = dialog->selectedFiles().value(0);
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);  // "Wavefront OBJ (*.obj)"
    afterObj = dialog->selectedFiles().value(0);
    static_cast<QDialog*>(dialog)->accept();
    if (dialog->isVisible()) dialog->reject();  // no name to accept
  });
  const std::optional<std::string> chosen =
      dialogs.ChooseExportFile(directory.filePath(QStringLiteral("Halle.glb")).toStdString());
  EXPECT_EQ(directoryShown, directory.path());
  EXPECT_EQ(proposed, directory.filePath(QStringLiteral("Halle.glb")));
  EXPECT_EQ(afterObj, directory.filePath(QStringLiteral("Halle.obj")));
  EXPECT_EQ(chosen, directory.filePath(QStringLiteral("Halle.obj")).toStdString());
}

TEST_F(QtDialogLayerTest, NewMapKindComesFromTheNewForm) {
  WhenModalShown([](QWidget& modal) {
    Child<QRadioButton>(modal, "RdoTakeOverTextures")->click();
    Child<QPushButton>(modal, "BtnOk")->click();
  });
  EXPECT_EQ(dialogs.ChooseNewMapKind(), NewMapKind::TakeOverTextures);
}

}  // namespace

}  // namespace tessmoor
