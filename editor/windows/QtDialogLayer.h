#pragma once
// The dialog layer with real Qt dialogs: message boxes and file dialogs, all
// owned by the main window. Paths travel as UTF-8.

#include "app/DialogLayer.h"

class QWidget;

namespace tessmoor {

class TFrmNew;

class QtDialogLayer : public DialogLayer {
 public:
  QtDialogLayer(QWidget* parent, TFrmNew& newForm);

  void ShowError(const std::string& message) override;
  void ShowError(const CoreMessage& message) override;
  void ShowInformation(const std::string& title, const std::string& message) override;
  SaveChangesAnswer AskSaveChanges() override;
  std::optional<std::string> ChooseMapToOpen(const std::string& startDirectory) override;
  std::optional<std::string> ChooseMapToSave(const std::string& startDirectory) override;
  std::optional<std::string> ChooseExportFile(const std::string& proposedPath) override;
  std::vector<std::string> ChoosePictures(const std::string& startDirectory,
                                          const std::vector<std::string>& sideBarFolders) override;
  std::optional<NewMapKind> ChooseNewMapKind() override;
  RecoveryAnswer AskRecover(const std::string& fileName) override;
  bool AskRestartTestRun() override;
  std::optional<std::string> ChooseProgram(const std::string& startDirectory) override;
  bool AskScriptFileAccess(const std::string& script, const std::string& folder, bool write) override;

 private:
  QWidget* parent;
  TFrmNew& newForm;
};

}  // namespace tessmoor
