#pragma once
// Frame pictures for the texture tests: a temporary program directory with a GFX/
// folder, and solid pictures whose one colour tells which file a thumbnail came from.

#include <filesystem>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "graphics/PcxTestFile.h"
#include "support/TempDir.h"

namespace tessmoor {

class ProgramDirectory {
 public:
  ProgramDirectory() { std::filesystem::create_directories(root_.Dir() + "GFX"); }

  // With a trailing '/', as the program keeps it.
  std::string Dir() const { return root_.Dir(); }
  std::string Gfx(const std::string& name) const { return root_.Dir() + "GFX/" + name; }

  // An 8 x 4 picture of one palette colour in GFX/ (or anywhere, with a full path).
  void AddPicture(const std::string& name, int colourIndex) const { WriteSolid(Gfx(name), colourIndex); }
  static void WriteSolid(const std::string& path, int colourIndex) {
    const std::vector<uint8_t> indices(8 * 4, static_cast<uint8_t>(colourIndex));
    pcxtest::WriteBytes(path, pcxtest::MakeIndexedPcx(8, 4, indices, pcxtest::DistinctPalette()));
  }

 private:
  TempDir root_;
};

// The RGB555 value a solid picture of this palette colour shows in its thumbnail.
inline RGB555 ColourOf(int colourIndex) { return pcxtest::PaletteColour(pcxtest::DistinctPalette(), colourIndex); }

// The colour in the middle of a frame's thumbnail, or 0 when it has none.
inline RGB555 ThumbnailColour(const TextureFrame& frame) {
  return GetImagePixel(frame.thumbnail.width / 2, frame.thumbnail.height / 2, frame.thumbnail);
}

}  // namespace tessmoor
