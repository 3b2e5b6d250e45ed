#pragma once
// Every message box, question and file dialog of the program goes through this
// interface. The editor implements it with Qt dialogs; tests with a scripted
// recorder. Texts are UTF-8.

#include <optional>
#include <string>
#include <vector>

#include "io/CoreMessage.h"

namespace tessmoor {

enum class SaveChangesAnswer { Yes, No, Cancel };
enum class NewMapKind { EraseAll, TakeOverTextures };
// Keep (no answer, e.g. a scripted layer with none) leaves the copy for the next start.
enum class RecoveryAnswer { Restore, Discard, Keep };

class DialogLayer {
 public:
  virtual ~DialogLayer() = default;
  // An error box with one OK button.
  virtual void ShowError(const std::string& message) = 0;
  // The same box for a message the core hands up as a code; the layer words it.
  virtual void ShowError(const CoreMessage& message) = 0;
  // A box of information with one OK button, over the active window.
  virtual void ShowInformation(const std::string& title, const std::string& message) = 0;
  // "Die letzten Änderungen ..." with Yes / No / Cancel; closing the box is Cancel.
  virtual SaveChangesAnswer AskSaveChanges() = 0;
  // The open dialog ("Öffnen"), starting in `startDirectory`; nothing when cancelled.
  virtual std::optional<std::string> ChooseMapToOpen(const std::string& startDirectory) = 0;
  // The save dialog ("Speichern unter"), asking before it overwrites.
  virtual std::optional<std::string> ChooseMapToSave(const std::string& startDirectory) = 0;
  // The export dialog ("Exportieren") offering glTF 2.0 (*.glb) and Wavefront OBJ
  // (*.obj), opening on `proposedPath` (its folder, its name), asking before it
  // overwrites; nothing when cancelled.
  virtual std::optional<std::string> ChooseExportFile(const std::string& proposedPath) = 0;
  // The picture dialog of the texture editor, with `sideBarFolders` among the
  // places in its side bar; empty when cancelled.
  virtual std::vector<std::string> ChoosePictures(const std::string& startDirectory,
                                                  const std::vector<std::string>& sideBarFolders) = 0;
  // The "Neu" dialog; nothing when cancelled.
  virtual std::optional<NewMapKind> ChooseNewMapKind() = 0;
  // "Der Editor wurde nicht ordnungsgemäß beendet. ..." about `fileName` (no
  // folders) with Ja (default) and Nein.
  virtual RecoveryAnswer AskRecover(const std::string& fileName) = 0;
  // "Der Testlauf läuft noch. Beenden und neu starten?" with Ja (default) and
  // Nein; true for Ja.
  virtual bool AskRestartTestRun() = 0;
  // The dialog that picks the program a test profile starts, opening in
  // `startDirectory`; nothing when cancelled.
  virtual std::optional<std::string> ChooseProgram(const std::string& startDirectory) = 0;
  // "Das Skript „X“ möchte Dateien in „Ordner“ lesen. Erlauben?" ("schreiben"
  // when `write`) with Ja and Nein (default); true for Ja.
  virtual bool AskScriptFileAccess(const std::string& script, const std::string& folder, bool write) = 0;
};

}  // namespace tessmoor
