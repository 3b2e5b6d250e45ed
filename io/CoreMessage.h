#pragma once
// What the file, table, compile and preview work tells the user: one code per
// thing said, with the arguments its words need (paths as composed, numbers in
// decimal), in the order the words show them. texts/ words them. One list for
// these areas, because a message is handed up through several of them: a map's
// read fails on a picture, a template's paint on the texture table.

#include "io/Message.h"

namespace tessmoor {

enum class CoreCode {
  None,  // nothing to tell
  // Files
  MapNotRead,        // path
  NotAMap,           // path
  MapNotCreated,     // path
  MapNotWritten,     // path
  MapNotOpened,      // path
  ModelOverMap,      // model path, map path
  NotARecoveryCopy,  // path
  PictureNotLoaded,  // path
  PictureNotCopied,  // path, folder
  NoBackup,          // file name, folder (empty when the file itself failed), errno or NotARegularFile
  // Stamps; a stamp read from a file has its path as first argument
  NotAStamp,       // [path]
  NewerStamp,      // [path]
  DamagedStamp,    // [path]
  StampNotSaved,   // path
  StampNotOpened,  // path
  // The texture table and the slots
  TooManyFrames,
  TooManyTextures,
  TextureInUse,
  EmptySlot,
  // The compile log and the 3D view
  CompileBuilding,
  CompileWriting,  // model path
  CompileDone,
  ExportDone,
  CompileCount,     // MeshTable number, count
  TableOverflow,    // MeshTable number
  PreviewOverflow,  // MeshTable number
  ModelNotCreated,  // path
  ModelNotWritten,  // path
};

using CoreMessage = Message<CoreCode>;

inline bool IsEmpty(const CoreMessage& message) { return message.code == CoreCode::None; }

}  // namespace tessmoor
