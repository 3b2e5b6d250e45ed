#pragma once
// Several steps as one: applied in order and reverted in reverse order, so each
// part finds the document exactly as it found it when it was first applied.

#include <memory>
#include <string>
#include <vector>

#include "edit/EditCommand.h"

namespace tessmoor {

class CompositeCommand : public EditCommand {
 public:
  CompositeCommand(StepName name, std::vector<std::unique_ptr<EditCommand>> parts);
  void Apply(MapDocument& document) override;
  void Revert(MapDocument& document) override;
  DocumentChange Change() const override;
  size_t MemoryCost() const override;

 private:
  std::vector<std::unique_ptr<EditCommand>> parts_;
};

}  // namespace tessmoor
