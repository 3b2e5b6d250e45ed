#pragma once
// A dialog layer for tests: it records every question in order and answers from
// a script. An empty script answers "cancelled".

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/DialogLayer.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

class ScriptedDialogs : public DialogLayer {
 public:
  // Every call, in order: "error:<message>", "info:<title>", "ask-save", "open", "save",
  // "export", "pictures", "new", "recover:<file name>", "ask-restart", "program".
  std::vector<std::string> log;
  // The starting directory of every file dialog (the proposed file for an export), in order.
  std::vector<std::string> startDirectories;
  // The text of every box of information, in order.
  std::vector<std::string> informationTexts;
  // The side bar's folders of every picture dialog, in order.
  std::vector<std::vector<std::string>> pictureSideBars;

  std::deque<SaveChangesAnswer> saveAnswers;
  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAsAnswers;
  std::deque<std::optional<std::string>> exportAnswers;
  std::deque<std::vector<std::string>> pictureAnswers;
  std::deque<std::optional<NewMapKind>> newMapAnswers;
  std::deque<RecoveryAnswer> recoverAnswers;
  std::deque<bool> restartAnswers;
  std::deque<bool> fileAccessAnswers;
  std::deque<std::optional<std::string>> programAnswers;

  void ShowError(const std::string& message) override { log.push_back("error:" + message); }
  void ShowError(const CoreMessage& message) override { ShowError(CoreText(message)); }

  void ShowInformation(const std::string& title, const std::string& message) override {
    log.push_back("info:" + title);
    informationTexts.push_back(message);
  }

  SaveChangesAnswer AskSaveChanges() override {
    log.push_back("ask-save");
    return Next(saveAnswers, SaveChangesAnswer::Cancel);
  }

  std::optional<std::string> ChooseMapToOpen(const std::string& startDirectory) override {
    Record("open", startDirectory);
    return Next(openAnswers, std::optional<std::string>());
  }

  std::optional<std::string> ChooseMapToSave(const std::string& startDirectory) override {
    Record("save", startDirectory);
    return Next(saveAsAnswers, std::optional<std::string>());
  }

  std::optional<std::string> ChooseExportFile(const std::string& proposedPath) override {
    Record("export", proposedPath);
    return Next(exportAnswers, std::optional<std::string>());
  }

  std::vector<std::string> ChoosePictures(const std::string& startDirectory,
                                          const std::vector<std::string>& sideBarFolders) override {
    Record("pictures", startDirectory);
    pictureSideBars.push_back(sideBarFolders);
    return Next(pictureAnswers, std::vector<std::string>());
  }

  std::optional<NewMapKind> ChooseNewMapKind() override {
    log.push_back("new");
    return Next(newMapAnswers, std::optional<NewMapKind>());
  }

  RecoveryAnswer AskRecover(const std::string& fileName) override {
    log.push_back("recover:" + fileName);
    return Next(recoverAnswers, RecoveryAnswer::Keep);
  }

  bool AskRestartTestRun() override {
    log.push_back("ask-restart");
    return Next(restartAnswers, false);
  }

  std::optional<std::string> ChooseProgram(const std::string& startDirectory) override {
    Record("program", startDirectory);
    return Next(programAnswers, std::optional<std::string>());
  }

  bool AskScriptFileAccess(const std::string& script, const std::string& folder, bool write) override {
    log.push_back("ask-files " + script + " " + folder + (write ? " schreiben" : " lesen"));
    return Next(fileAccessAnswers, false);
  }

 private:
  void Record(const char* kind, const std::string& startDirectory) {
    log.push_back(kind);
    startDirectories.push_back(startDirectory);
  }

  template <typename T>
  static T Next(std::deque<T>& queue, T whenEmpty) {
    if (queue.empty()) return whenEmpty;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
  }
};

}  // namespace tessmoor
