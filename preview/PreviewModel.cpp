#include "preview/PreviewModel.h"

#include "compiler/CellGeometry.h"

namespace tessmoor {

PreviewModel::PreviewModel() : profile_(BuildColumnProfile(ColumnRadius)) {}

void PreviewModel::Rebuild(const MapDocument& document) {
  builder_.Reset();
  overflow_ = CellGeometry(document, profile_, builder_) ? MeshTable::None : builder_.Overflow();
  BuildDrawBatches(builder_, batches_);
}

CoreMessage PreviewModel::CapacityMessage() const {
  if (overflow_ == MeshTable::None) return {};
  return {CoreCode::PreviewOverflow, {std::to_string(static_cast<int>(overflow_))}};
}

}  // namespace tessmoor
