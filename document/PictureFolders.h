#pragma once
// The folders frame pictures are looked up in. The user's own folders come
// first, in the order the user set, and the program's GFX/ last, so a user can
// add pictures (or take another program's picture folder) without writing into
// the program's folder. With no folders of the user's, every lookup is the
// program's GFX/ alone.

#include <string>
#include <vector>

namespace tessmoor {

// Sets the folders searched before the program's GFX/ (for the whole process;
// the editor sets them from its settings, tmcompile from --gfx). A folder that
// does not exist is simply passed over.
void SetUserPictureFolders(std::vector<std::string> folders);
std::vector<std::string> UserPictureFolders();

// The file to load for a stored frame name: the first folder holding it (exactly,
// or ignoring ASCII case) as a regular file, the program's GFX/ last. When no
// folder holds it, the program's GFX/ path as resolved today, whose load then
// fails with the message that names FramePicturePath.
std::string LocateFramePicture(const std::string& programDirectory, const std::string& frameName);

}  // namespace tessmoor
