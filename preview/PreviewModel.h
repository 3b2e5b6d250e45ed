#pragma once
// What the 3D view draws for a document: the compiler's geometry pass and mesh
// builder run in memory (no file, no log) and the result turned into draw batches.

#include <string>

#include "compiler/ColumnProfile.h"
#include "compiler/MeshBuilder.h"
#include "document/MapDocument.h"
#include "io/CoreMessage.h"
#include "preview/DrawBatches.h"

namespace tessmoor {

class PreviewModel {
 public:
  PreviewModel();

  // Builds the model of `document` afresh. A map beyond a compile capacity keeps
  // every face built before the first that did not fit.
  void Rebuild(const MapDocument& document);

  const MeshBuilder& Builder() const { return builder_; }
  const DrawBatches& Batches() const { return batches_; }
  // The table that ran out in the last rebuild, or None.
  MeshTable Overflow() const { return overflow_; }
  // The window's line about an exceeded capacity; None when everything fit.
  CoreMessage CapacityMessage() const;

 private:
  ColumnProfile profile_;
  MeshBuilder builder_;
  DrawBatches batches_;
  MeshTable overflow_ = MeshTable::None;
};

}  // namespace tessmoor
