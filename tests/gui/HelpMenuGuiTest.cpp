// The Hilfe menu and what every command says about itself: F1 in the main
// window asks the desktop to open the guide found beside the program, Über
// names the version the build was made as, and no command lacks its sentence.

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "editor/commands/CommandRegistry.h"
#include "editor/features/GuideLocation.h"
#include "editor/widgets/UrlOpener.h"
#include "gui/MainWindowFixture.h"

using namespace tessmoor;

namespace {

class HelpMenuGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    previous = ReplaceUrlOpener([this](const QUrl& url) {
      opened << url;
      return true;
    });
  }
  void TearDown() override {
    ReplaceUrlOpener(previous);
    MainWindowFixture::TearDown();
  }

  UrlOpener previous;
  QList<QUrl> opened;
};

TEST_F(HelpMenuGuiTest, EveryCommandSaysInOneSentenceWhatItDoesAndShowsItAsItsTip) {
  const auto& commands = window->Commands().Commands();
  ASSERT_GT(commands.size(), 60u);
  for (const auto& command : commands) {
    const QString description = CommandRegistry::Description(command->info);
    SCOPED_TRACE(command->info.id.toStdString());
    EXPECT_FALSE(description.isEmpty());
    EXPECT_TRUE(description.endsWith('.')) << description.toStdString();
    EXPECT_EQ(description.count(". "), 0) << "one sentence: " << description.toStdString();
    EXPECT_FALSE(description.contains('&')) << description.toStdString();
    EXPECT_EQ(command->action->statusTip(), description);
    EXPECT_EQ(command->action->toolTip(), description);
  }
}

TEST_F(HelpMenuGuiTest, HilfeIsTheLastMenuAndF1OnTheMapOpensTheGuideBesideTheProgram) {
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_FALSE(menus.isEmpty());
  QMenu* help = menus.last()->menu();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->objectName(), "MnuHelp");
  EXPECT_EQ(help->title(), "&Hilfe");
  QStringList items;
  for (const QAction* item : help->actions()) items << (item->isSeparator() ? QString("-") : item->text());
  EXPECT_EQ(items, QStringList({"&Handbuch", "&Tastenkürzel", "-", "Ü&ber"}));

  window->FocusMap();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened.front(), QUrl::fromLocalFile(QString(TM_BIN_DIR) + "/docs/de/index.md"));
  EXPECT_TRUE(QFile::exists(opened.front().toLocalFile()));
  EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(HelpMenuGuiTest, UeberShowsTheVersionTheBuildWasMadeAs) {
  QString version;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!about) return;
    version = about->findChild<QLabel*>("LblVersion")->text();
    // Enter takes the default button, as in every dialog of the program.
    QTest::keyClick(about, Qt::Key_Return);
  });
  Trigger("HelpAbout");
  EXPECT_EQ(version, "Version " TM_PROJECT_VERSION);
}

// Where the guide lies for a program in bin/: the package's HTML below the
// prefix, else the Markdown a build copies beside the program, else nowhere.
TEST(GuideLocationTest, PrefersTheInstalledHtmlThenTheBuildsMarkdown) {
  QTemporaryDir root;
  const QString prefix = root.path() + "/prefix", bin = prefix + "/bin";
  const QString html = prefix + "/share/doc/" + GuidePackageName + "/html/";
  ASSERT_TRUE(QDir().mkpath(bin + "/docs/de") && QDir().mkpath(bin + "/docs/en") && QDir().mkpath(html + "de") &&
              QDir().mkpath(html + "en"));
  const auto touch = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
  };
  EXPECT_TRUE(GuideUrl(bin, false).isEmpty());
  ASSERT_TRUE(touch(bin + "/docs/de/index.md") && touch(bin + "/docs/en/index.md"));
  EXPECT_EQ(GuideUrl(bin, false), QUrl::fromLocalFile(bin + "/docs/de/index.md"));
  EXPECT_EQ(GuideUrl(bin, true), QUrl::fromLocalFile(bin + "/docs/en/index.md"));
  ASSERT_TRUE(touch(html + "de/index.html") && touch(html + "en/index.html"));
  EXPECT_EQ(GuideUrl(bin, false), QUrl::fromLocalFile(html + "de/index.html"));
  EXPECT_EQ(GuideUrl(bin, true), QUrl::fromLocalFile(html + "en/index.html"));
}

}  // namespace
