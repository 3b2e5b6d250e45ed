#pragma once
// Hands every dialog to a layer chosen later. The windows that need dialogs are
// created before the "Neu" dialog, which the Qt dialog layer itself needs, so
// they are given this forwarder and the real layer is plugged in once it exists.
// Without a layer (no window shows the session) nothing is shown and every
// question is answered as if cancelled.

#include "app/DialogLayer.h"

namespace tessmoor {

class DialogLayerProxy : public DialogLayer {
 public:
  void SetTarget(DialogLayer* layer) { target = layer; }
  bool HasTarget() const { return target != nullptr; }

  void ShowError(const std::string& message) override {
    if (target) target->ShowError(message);
  }
  void ShowError(const CoreMessage& message) override {
    if (target) target->ShowError(message);
  }
  void ShowInformation(const std::string& title, const std::string& message) override {
    if (target) target->ShowInformation(title, message);
  }
  SaveChangesAnswer AskSaveChanges() override { return target ? target->AskSaveChanges() : SaveChangesAnswer::Cancel; }
  std::optional<std::string> ChooseMapToOpen(const std::string& startDirectory) override {
    return target ? target->ChooseMapToOpen(startDirectory) : std::nullopt;
  }
  std::optional<std::string> ChooseMapToSave(const std::string& startDirectory) override {
    return target ? target->ChooseMapToSave(startDirectory) : std::nullopt;
  }
  std::optional<std::string> ChooseExportFile(const std::string& proposedPath) override {
    return target ? target->ChooseExportFile(proposedPath) : std::nullopt;
  }
  std::vector<std::string> ChoosePictures(const std::string& startDirectory,
                                          const std::vector<std::string>& sideBarFolders) override {
    return target ? target->ChoosePictures(startDirectory, sideBarFolders) : std::vector<std::string>();
  }
  std::optional<NewMapKind> ChooseNewMapKind() override { return target ? target->ChooseNewMapKind() : std::nullopt; }
  RecoveryAnswer AskRecover(const std::string& fileName) override {
    return target ? target->AskRecover(fileName) : RecoveryAnswer::Keep;
  }
  bool AskRestartTestRun() override { return target ? target->AskRestartTestRun() : false; }
  std::optional<std::string> ChooseProgram(const std::string& startDirectory) override {
    return target ? target->ChooseProgram(startDirectory) : std::nullopt;
  }
  bool AskScriptFileAccess(const std::string& script, const std::string& folder, bool write) override {
    return target ? target->AskScriptFileAccess(script, folder, write) : false;
  }

 private:
  DialogLayer* target = nullptr;
};

}  // namespace tessmoor
