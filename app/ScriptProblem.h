#pragma once
// What a script did wrong in a call, as a code with its arguments; texts/ words
// it for the script's error, which names the line it happened on.

#include "io/Message.h"

namespace tessmoor {

enum class ScriptProblemCode {
  NotANumber,       // args: the argument's name
  NotAWholeNumber,  // args: the argument's name, the value
  NotAString,       // args: the argument's name
  NotAnObject,      // args: the argument's name
  UnknownField,     // args: the name given
  BadFieldValue,    // args: the field's name, the value
  NotStorable,      // args: the text: a character the map file cannot store
  NoWindow,         // the selection, without a window
  NoSuchStamp,      // args: the stamp's name
  FilesRefused,     // args: the folder
  FileNotRead,      // args: the path
  FileNotWritten,   // args: the path
  Stopped,          // the user stopped the script
  TimedOut,         // args: the limit in seconds
};

using ScriptProblem = Message<ScriptProblemCode>;

}  // namespace tessmoor
