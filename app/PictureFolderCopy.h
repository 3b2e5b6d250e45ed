#pragma once
// A picture file from anywhere made findable by a stored frame name. Frames are
// stored by names of at most 12 bytes and looked up in the picture folders, so a
// file that no such name finds there is copied into the user's own picture
// folder first, under a name that finds it.

#include <optional>
#include <string>

#include "io/CoreMessage.h"
#include "io/SaveFile.h"

namespace tessmoor {

// The stored (Windows-1252) frame name under which the picture folders find
// `file`. When they find it under its own name it stays where it is. Otherwise
// it goes into `userFolder` (with a trailing '/'), under its own name when that
// is free there, else under a free short name ("GRAS~1.PCX"); a file of the same
// bytes already there under a tried name is used, not copied again. Nothing, and
// `message` set, when the copy failed.
std::optional<std::string> PlaceInPictureFolders(const std::string& programDirectory, const std::string& file,
                                                 const std::string& userFolder, FileOps& ops, CoreMessage& message);

}  // namespace tessmoor
