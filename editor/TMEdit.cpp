// The program entry: the application, the main window (which creates every
// other window in turn) and the event loop until the main window closes.

#include <QApplication>

#include "editor/CommandLineMap.h"
#include "editor/EditorMainForm.h"
#include "editor/GermanQtTexts.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Only the name: a display name would be appended to every window caption,
  // and the main window's caption must read exactly as the document's.
  QApplication::setApplicationName("Tessmoor-Editor");
  InstallGermanQtTexts(application);
  TFrmMain mainWindow;
  mainWindow.RestoreSettings();
  mainWindow.show();
  // A map named on the command line (as the start script does with the sample map)
  // is opened right away; one that cannot be opened gets the Open command's message.
  if (const auto path = CommandLineMapPath(argc, argv)) mainWindow.OpenMapFile(*path);
  return application.exec();
}
