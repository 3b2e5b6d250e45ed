// The program entry: the application, the session of the open map, the main
// window over it (which creates every other window in turn) and the event loop
// until the main window closes.

#include <QApplication>

#include "app/RecoveryOffer.h"
#include "editor/CommandLineMap.h"
#include "editor/EditorMainForm.h"
#include "editor/GermanQtTexts.h"
#include "editor/RecoveryKeeper.h"

using namespace tessmoor;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Only the name: a display name would be appended to every window caption,
  // and the main window's caption must read exactly as the document's. Without
  // an organization it alone names the settings and the recovery folder
  // (~/.local/share/Tessmoor-Editor/recovery/).
  QApplication::setApplicationName("Tessmoor-Editor");
  InstallGermanQtTexts(application);
  // The session comes before the window and outlives it.
  tessmoor::EditorSession session(ProgramDirectory());
  TFrmMain mainWindow(session);
  mainWindow.RestoreSettings();
  mainWindow.show();
  // Declared after the window, so it ends first: a normal exit removes the copy.
  RecoveryKeeper recovery(session.Model(), RecoveryKeeper::DefaultFolder());
  const bool recovered = OfferOrphanedCopies(RecoveryKeeper::DefaultFolder().toStdString(), session.Model(),
                                             session.Editor(), session.Dialogs(), recovery.CopyPath());
  // A map named on the command line (as the start script does with the sample map)
  // is opened right away unless a recovered map took its place; one that cannot
  // be opened gets the Open command's message.
  if (const auto path = CommandLineMapPath(argc, argv); path && !recovered) mainWindow.OpenMapFile(*path);
  return application.exec();
}
