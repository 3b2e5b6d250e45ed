#pragma once
// What an operation of the editing interface answers: a code, and the values
// its text needs. The words are the user interface's to choose; the core
// hands up no sentence of its own.

#include <string>
#include <vector>

#include "io/CoreMessage.h"

namespace tessmoor {

enum class EditCode {
  Done,
  OutOfGrid,       // args: the cell's x, y
  NoBlockToPaste,  // the clipboard is empty
  NoSuchTexture,   // args: the texture's number
  NoSuchSlot,      // args: the slot's number
  TableRefused,    // the texture table's reason is in `reason` (None when it gave none)
  Failed,          // args: what went wrong inside a transaction's body
};

struct EditResult {
  EditCode code = EditCode::Done;
  std::vector<std::string> args{};
  CoreMessage reason{};

  bool Ok() const { return code == EditCode::Done; }
};

}  // namespace tessmoor
