#pragma once
// The kinds of undoable steps. The history keeps the code; the Edit menu words it
// ("Rückgängig: Füllen") through texts/.

namespace tessmoor {

enum class StepName {
  Paint,
  Fill,
  Paste,
  Properties,
  StartPosition,
  EditSelection,
  Ramp,
  Smooth,
  ReplaceCells,
  AddTexture,
  DeleteTexture,
  RenameTexture,
  Animation,
  AddFrames,
  RemoveFrame,
  MoveFrame,
  ReplaceTexture,
  DeleteUnused,
  PlaceStamp,
  SetTexture,
  Script,  // the step keeps the script's own name as its label
};

}  // namespace tessmoor
