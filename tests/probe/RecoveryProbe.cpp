// A stand-in editor process for the recovery tests: the real main window with
// the recovery keeper and start-up question TMEdit has, driven from here
// instead of by a user.
//   recovery_probe edit MAP       opens MAP, paints cell (10, 10), prints the copy's
//                                 path once it is written and waits to be killed
//   recovery_probe start ANSWER OUT   answers the start-up question with ANSWER
//                                 (Ja or Nein), prints every question asked, saves
//                                 to OUT when a map was recovered, and ends normally

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <filesystem>

#include "app/RecoveryOffer.h"
#include "edit/CellCommands.h"
#include "editor/main/EditorMainForm.h"
#include "editor/widgets/RecoveryKeeper.h"
#include "support/ScriptedDialogs.h"

using namespace tessmoor;

namespace {

int EditAndWait(TFrmMain& window, RecoveryKeeper& keeper, const QString& map) {
  if (!window.OpenMapFile(map)) return 3;
  MapCell cell = window.Model().Map().Cell(10, 10);
  cell.floorHeight = 7.5f;
  SetCell(window.Model(), {10, 10}, cell, PaintStepName);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!std::filesystem::exists(keeper.CopyPath())) return;
    std::printf("%s\n", keeper.CopyPath().c_str());
    std::fflush(stdout);
    poll.stop();
  });
  poll.start(20);
  return QApplication::exec();
}

int StartAndAnswer(TFrmMain& window, RecoveryKeeper& keeper, ScriptedDialogs& dialogs, const QString& answer,
                   const QString& out) {
  dialogs.recoverAnswers = {answer == "Ja" ? RecoveryAnswer::Restore : RecoveryAnswer::Discard};
  const bool recovered = OfferOrphanedCopies(RecoveryKeeper::DefaultFolder().toStdString(), window.Model(),
                                             window.Editor(), window.Dialogs(), keeper.CopyPath());
  for (const std::string& line : dialogs.log) std::printf("%s\n", line.c_str());
  if (recovered) {
    std::printf("name:%s modified:%d\n", window.Model().Map().fileName.c_str(), window.Model().IsModified());
    if (!window.Model().Save(out.toStdString()).ok) return 4;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tessmoor-Editor");
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() < 3) return 2;
  ScriptedDialogs dialogs;
  TFrmMain window(&dialogs);
  window.show();
  RecoveryKeeper keeper(window.Model(), RecoveryKeeper::DefaultFolder());
  if (arguments[1] == "edit") return EditAndWait(window, keeper, arguments[2]);
  if (arguments[1] == "start" && arguments.size() > 3)
    return StartAndAnswer(window, keeper, dialogs, arguments[2], arguments[3]);
  return 2;
}
