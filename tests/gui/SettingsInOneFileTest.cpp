// What the editor remembers between runs lands in one file,
// $XDG_CONFIG_HOME/Tessmoor-Editor/Tessmoor-Editor.conf, whichever feature stores it.

#include <QCheckBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>

#include "editor/preview3d/Editor3DViewForm.h"
#include "editor/windows/SettingsDialog.h"
#include "editor/features/TestPlay.h"
#include "editor/commands/CommandRegistry.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

const char* const ProgramFile = "Tessmoor-Editor/Tessmoor-Editor.conf";

void OnNextModalDialog(std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) act(*dialog);
  });
}

// The folder a QSettings of `format` reads user settings from.
QString UserSettingsFolder(QSettings::Format format) {
  const QSettings probe(format, QSettings::UserScope, "probe", "probe");
  return QFileInfo(QFileInfo(probe.fileName()).path()).path();
}

class SettingsInOneFileTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(config.isValid() && home.isValid());
    // Qt looks the settings folder up once per process, so a test before this
    // one has fixed it already: point it at this test's own folder, as a fresh
    // start with XDG_CONFIG_HOME there would.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      previous[format] = UserSettingsFolder(format);
      QSettings::setPath(format, QSettings::UserScope, config.path());
    }
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // The program's own name, which names its settings file.
    QCoreApplication::setApplicationName("Tessmoor-Editor");
    MainWindowFixture::SetUp();
  }

  void TearDown() override {
    MainWindowFixture::TearDown();
    QCoreApplication::setApplicationName(testName);
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, previous[format]);
  }

  // Every file below the settings folder, relative to it.
  QStringList FilesInConfig() const {
    QStringList files;
    QDirIterator it(config.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(config.path()).relativeFilePath(it.next());
    files.sort();
    return files;
  }

  QSettings Stored() const { return QSettings(config.filePath(ProgramFile), QSettings::IniFormat); }

  QTemporaryDir config, home;
  std::map<QSettings::Format, QString> previous;
  const QString testName = QCoreApplication::applicationName();
};

TEST_F(SettingsInOneFileTest, EveryFeatureThatRemembersSomethingWritesTheProgramsFile) {
  window->RestoreSettings();
  // The view: zoom and layer by their keys; recent maps by a save.
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_F2, Qt::ControlModifier);
  // What is drawn over the plan.
  QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
  Trigger("ViewStartPosition");
  // A template picked up from a cell.
  Click(CellPoint(1, 1), Qt::LeftButton, Qt::ShiftModifier);
  dialogs.saveAsAnswers.push_back(MapPath("eins.tmm"));
  Trigger("FileSaveAs");
  // A key of the user's own.
  ASSERT_TRUE(window->Commands().SetKeys("ViewZoomWhole", {QKeySequence("Ctrl+G")}));
  // The stamp panel.
  Trigger("ViewStamps");
  // A test profile, made in its dialog.
  OnNextModalDialog([](QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>("BtnNew"), Qt::LeftButton);
    QTest::keyClicks(dialog.findChild<QLineEdit*>("EdtProgram"), "/bin/true");
    dialog.accept();
  });
  Trigger("ExtrasTestProfiles");
  // The 3D view's animation speed.
  {
    TFrm3DView view(Document(), Editor(), window.get());
    view.SetAnimationRate(8);
  }
  // Picture folders and the number of backups.
  {
    TFrmSettings settings(window.get(), [&](QWidget*) { return home.path(); });
    settings.show();
    QTest::mouseClick(settings.findChild<QPushButton*>("BtnAddFolder"), Qt::LeftButton);
    auto* count = settings.findChild<QSpinBox*>("SpnBackups");
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "3");
    QTest::keyClick(count, Qt::Key_Return);
  }
  // The window's place and size, zoom and layer go when it closes.
  ASSERT_TRUE(window->close());

  EXPECT_EQ(FilesInConfig().join(", ").toStdString(), ProgramFile);
  const QSettings stored = Stored();
  for (const char* key :
       {"Fenster/Geometrie", "Ansicht/Zoom", "Ansicht/Ebene", "Zuletzt", "Tastenkuerzel/ViewZoomWhole", "Stempel/Panel",
        "Stempel/HoehenAnpassen", "Testprofile/Profile/size", "3DAnsicht/Bilder pro Sekunde", "Bilder/Ordner",
        "Sicherungen/Anzahl", "Ansicht/HoehenAnzeigen", "Ansicht/StartpositionZeigen", "Vorlagen/Vorlage1"})
    EXPECT_TRUE(stored.contains(key)) << key;
  EXPECT_EQ(stored.value("Testprofile/Profile/1/Programm").toString(), "/bin/true");
}

TEST_F(SettingsInOneFileTest, ProfilesOfTheEarlierFileAreTakenOverOnce) {
  {
    QSettings earlier("Unknown Organization", "Tessmoor-Editor");
    earlier.beginGroup("Testprofile");
    earlier.beginWriteArray("Profile", 2);
    for (int i = 0; i < 2; ++i) {
      earlier.setArrayIndex(i);
      earlier.setValue("Name", QString("Spiel %1").arg(i + 1));
      earlier.setValue("Programm", QString("/spiel/%1").arg(i + 1));
    }
    earlier.endArray();
    earlier.setValue("Standard", 1);
  }
  const QStringList before = FilesInConfig();

  const TestProfiles first = LoadTestProfiles();
  ASSERT_EQ(first.profiles.size(), 2u);
  EXPECT_EQ(first.profiles[1].program, "/spiel/2");
  EXPECT_EQ(first.defaultIndex, 1);
  EXPECT_EQ(Stored().value("Testprofile/Profile/2/Programm").toString(), "/spiel/2") << "kept in the program's file";

  // Once taken over, the program's file is the one that counts, even for an empty list.
  StoreTestProfiles({});
  EXPECT_TRUE(LoadTestProfiles().profiles.empty());
  QStringList expected = before;
  expected << ProgramFile;
  expected.sort();
  EXPECT_EQ(FilesInConfig().join(", ").toStdString(), expected.join(", ").toStdString())
      << "the earlier file stays as it was";
}

}  // namespace

}  // namespace tessmoor
