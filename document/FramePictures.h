#pragma once
// Texture frame pictures live in GFX/ below the program directory and are found
// by their stored 8.3 name alone, wherever the user picked them.

#include <string>

#include "graphics/HiColorImage.h"
#include "graphics/PcxLoader.h"
#include "io/CoreMessage.h"

namespace tessmoor {

// The path composed from the stored (Windows-1252) name; messages always show this one.
std::string FramePicturePath(const std::string& programDirectory, const std::string& frameName);

// The file to open for `path`: the path itself when it exists, otherwise a file
// in the same directory whose name equals it ignoring ASCII case (names were
// written on case-insensitive file systems), otherwise `path` unchanged.
std::string ResolvePathIgnoringCase(const std::string& path);

// Loads the frame picture and makes its thumbnail. False when the picture cannot
// be read (GraphicsError says why), also when the name is no plain file name ('/',
// '\\' or NUL in it) or memory runs out; `thumbnail` must be empty on entry. A picture
// so narrow that a thumbnail side is 0 succeeds with an empty thumbnail.
bool LoadFrameThumbnail(const std::string& programDirectory, const std::string& frameName, HiColorImage& thumbnail);
// The same, decoding through `scratch`: for a thread that loads many pictures.
bool LoadFrameThumbnail(const std::string& programDirectory, const std::string& frameName, HiColorImage& thumbnail,
                        PcxLoadScratch& scratch);

// That the picture at `path` could not be loaded.
CoreMessage PictureLoadErrorMessage(const std::string& path);

}  // namespace tessmoor
