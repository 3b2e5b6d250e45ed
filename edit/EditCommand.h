#pragma once
// One undoable step. A command is applied once when it is executed and then
// reverted and applied again as the user walks through the history; each of
// those calls finds the document exactly as the other one left it.

#include <cstddef>
#include <string>
#include <utility>

#include "document/MapDocument.h"
#include "edit/DocumentChange.h"
#include "edit/StepName.h"

namespace tessmoor {

class EditCommand {
 public:
  explicit EditCommand(StepName name) : name_(name) {}
  virtual ~EditCommand() = default;
  EditCommand(const EditCommand&) = delete;
  EditCommand& operator=(const EditCommand&) = delete;

  virtual void Apply(MapDocument& document) = 0;
  virtual void Revert(MapDocument& document) = 0;
  // What Apply and Revert change, for the observers.
  virtual DocumentChange Change() const = 0;
  // Bytes the step keeps alive in the history, for its memory limit.
  virtual size_t MemoryCost() const = 0;

  // What kind of step it is; the Edit menu words it.
  StepName Name() const { return name_; }
  // A name of the user's own that the step carries besides its kind (a script's).
  const std::string& Label() const { return label_; }
  void SetLabel(std::string label) { label_ = std::move(label); }

 private:
  StepName name_;
  std::string label_;
};

}  // namespace tessmoor
