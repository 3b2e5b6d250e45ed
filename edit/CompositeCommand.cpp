#include "edit/CompositeCommand.h"

#include <utility>

namespace tessmoor {

CompositeCommand::CompositeCommand(StepName name, std::vector<std::unique_ptr<EditCommand>> parts)
    : EditCommand(name), parts_(std::move(parts)) {}

void CompositeCommand::Apply(MapDocument& document) {
  for (auto& part : parts_) part->Apply(document);
}

void CompositeCommand::Revert(MapDocument& document) {
  for (auto part = parts_.rbegin(); part != parts_.rend(); ++part) (*part)->Revert(document);
}

DocumentChange CompositeCommand::Change() const {
  DocumentChange change;
  for (const auto& part : parts_) change |= part->Change();
  return change;
}

size_t CompositeCommand::MemoryCost() const {
  size_t bytes = sizeof(*this) + parts_.capacity() * sizeof(parts_[0]);
  for (const auto& part : parts_) bytes += part->MemoryCost();
  return bytes;
}

}  // namespace tessmoor
