#pragma once
// Picture files from outside the editor (dropped from a file manager) made into
// a new texture of the map: one frame per file, in the order given, as one undo
// step. Files the picture folders cannot find are copied into the user's own
// picture folder first; those copies are files, not part of the map, so undo
// leaves them.

#include <string>
#include <vector>

#include "app/EditorSession.h"
#include "io/CoreMessage.h"
#include "io/SaveFile.h"

namespace tessmoor {

struct PictureImport {
  int texture = -1;     // the new texture's number; -1 when none was made
  CoreMessage message;  // why none was made; None when there was nothing to do

  bool Ok() const { return texture >= 0; }
};

// Makes the texture, named after the first file (its name without directory
// and extension). Every file is checked to be a picture the editor reads
// before anything is copied; whatever fails leaves the map exactly as it was.
// `userFolder` ends with '/' and exists; copies are written through `ops`.
PictureImport ImportPictureFiles(EditorSession& session, const std::vector<std::string>& files,
                                 const std::string& userFolder, FileOps& ops = RealFileOps());

}  // namespace tessmoor
