#pragma once
// Hands every dialog to a layer chosen later. The windows that need dialogs are
// created before the "Neu" dialog, which the Qt dialog layer itself needs, so
// they are given this forwarder and the real layer is plugged in once it exists.

#include "app/DialogLayer.h"

namespace tessmoor {

class DialogLayerProxy : public DialogLayer {
 public:
  void SetTarget(DialogLayer* layer) { target = layer; }
  bool HasTarget() const { return target != nullptr; }

  void ShowError(const std::string& message) override { target->ShowError(message); }
  SaveChangesAnswer AskSaveChanges() override { return target->AskSaveChanges(); }
  std::optional<std::string> ChooseMapToOpen(const std::string& startDirectory) override {
    return target->ChooseMapToOpen(startDirectory);
  }
  std::optional<std::string> ChooseMapToSave(const std::string& startDirectory) override {
    return target->ChooseMapToSave(startDirectory);
  }
  std::optional<std::string> ChooseExportFile(const std::string& startDirectory) override {
    return target->ChooseExportFile(startDirectory);
  }
  std::vector<std::string> ChoosePictures(const std::string& startDirectory) override {
    return target->ChoosePictures(startDirectory);
  }
  std::optional<NewMapKind> ChooseNewMapKind() override { return target->ChooseNewMapKind(); }
  RecoveryAnswer AskRecover(const std::string& fileName) override { return target->AskRecover(fileName); }

 private:
  DialogLayer* target = nullptr;
};

}  // namespace tessmoor
