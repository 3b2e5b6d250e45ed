// The program entry: the application, the window of tabs (each tab a map
// window with its own session, which creates every other window in turn) and
// the event loop until the window closes. A start while another editor of the
// same user and display runs hands its maps over to it and ends.

#include <QApplication>
#include <QFile>
#include <cstdio>

#include "editor/main/CommandLineMap.h"
#include "editor/main/CommandReference.h"
#include "editor/main/EditorMainForm.h"
#include "editor/main/MapTabsWindow.h"
#include "editor/main/SingleInstance.h"
#include "editor/widgets/RecoveryKeeper.h"
#include "editor/widgets/UiLanguage.h"

using namespace tessmoor;

namespace {

QByteArrayList AsBytes(const std::vector<std::string>& paths) {
  QByteArrayList list;
  for (const std::string& path : paths) list.append(QByteArray::fromStdString(path));
  return list;
}

}  // namespace

int main(int argc, char** argv) {
  QString referenceError;
  const std::optional<ReferenceRequest> reference = ParseReferenceRequest(argc, argv, referenceError);
  // The reference is printed from a window nobody sees: no display is needed.
  if (reference && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // Only the name: a display name would be appended to every window caption,
  // and the main window's caption must read exactly as the document's. Without
  // an organization it alone names the settings and the recovery folder
  // (~/.local/share/Tessmoor-Editor/recovery/).
  QApplication::setApplicationName("Tessmoor-Editor");
  if (reference) {
    if (!referenceError.isEmpty()) {
      std::fprintf(stderr, "%s\n", qPrintable(referenceError));
      return 2;
    }
    return PrintCommandReference(*reference);
  }
  const EditorCommandLine commandLine = ParseEditorCommandLine(argc, argv);
  const QString instanceName = SingleInstance::DefaultName();
  if (!commandLine.newInstance && SingleInstance::HandOver(instanceName, AsBytes(commandLine.maps))) return 0;
  // German unless the user chose otherwise in the settings.
  ApplyUiLanguage(StoredUiLanguage());

  MapTabsWindow mainWindow;
  mainWindow.RestoreSettings();
  mainWindow.show();
  mainWindow.KeepRecoveryCopies(RecoveryKeeper::DefaultFolder());
  mainWindow.OfferRecovery();
  // Maps named on the command line (as the start script does with the sample
  // map) open in tabs of their own beside any recovered ones; the first takes
  // the empty start tab. One that cannot be opened gets the Open command's message.
  for (const std::string& path : commandLine.maps) mainWindow.OpenMap(path);
  if (!commandLine.newInstance) mainWindow.ListenForLaterStarts(instanceName);
  return application.exec();
}
