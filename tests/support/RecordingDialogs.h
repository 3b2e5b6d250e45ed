#pragma once
// A dialog layer for core tests: answers come from queues set up by the test,
// and every call is recorded in order.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "document/DialogLayer.h"

class RecordingDialogs : public DialogLayer {
 public:
  std::vector<std::string> calls;
  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  std::deque<SaveChangesAnswer> saveChangesAnswers;
  std::deque<std::optional<NewMapKind>> newMapAnswers;
  std::deque<std::vector<std::string>> pictureAnswers;

  void ShowError(const std::string& message) override { calls.push_back("error:" + message); }
  SaveChangesAnswer AskSaveChanges() override {
    calls.push_back("ask-save");
    return Next(saveChangesAnswers, SaveChangesAnswer::Cancel);
  }
  std::optional<std::string> ChooseMapToOpen(const std::string& startDirectory) override {
    calls.push_back("open:" + startDirectory);
    return Next(openAnswers, std::optional<std::string>());
  }
  std::optional<std::string> ChooseMapToSave(const std::string& startDirectory) override {
    calls.push_back("save:" + startDirectory);
    return Next(saveAnswers, std::optional<std::string>());
  }
  std::vector<std::string> ChoosePictures(const std::string& startDirectory) override {
    calls.push_back("pictures:" + startDirectory);
    return Next(pictureAnswers, std::vector<std::string>());
  }
  std::optional<NewMapKind> ChooseNewMapKind() override {
    calls.push_back("new");
    return Next(newMapAnswers, std::optional<NewMapKind>());
  }

 private:
  // An unscripted question is answered as if the user cancelled it.
  template <typename T>
  static T Next(std::deque<T>& answers, T fallback) {
    if (answers.empty()) return fallback;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
};
