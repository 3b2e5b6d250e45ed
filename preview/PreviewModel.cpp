#include "preview/PreviewModel.h"

#include "compiler/CellGeometry.h"
#include "compiler/CompileMap.h"

namespace tessmoor {

PreviewModel::PreviewModel() : profile_(BuildColumnProfile(ColumnRadius)) {}

void PreviewModel::Rebuild(const MapDocument& document) {
  builder_.Reset();
  overflow_ = CellGeometry(document, profile_, builder_) ? MeshTable::None : builder_.Overflow();
  BuildDrawBatches(builder_, batches_);
}

std::string PreviewModel::CapacityMessage() const {
  if (overflow_ == MeshTable::None) return "";
  return OverflowMessage(overflow_) + " Gezeigt wird, was hineinpasst.";
}

}  // namespace tessmoor
