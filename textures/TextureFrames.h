#pragma once
// Operations on the animation frames of one texture. A frame is found by its
// stored name in GFX/ below the program directory, wherever the user picked it.

#include <optional>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "io/CoreMessage.h"

namespace tessmoor {

inline const CoreMessage TooManyFramesMessage{CoreCode::TooManyFrames, {}};

// How many frames were appended, and the message to show when the adding stopped
// early (None when every chosen file became a frame).
struct AddFramesResult {
  int added = 0;
  CoreMessage message;

  bool Stopped() const { return !IsEmpty(message); }
};

// The stored name for a chosen file: its name without directory, as Windows-1252
// bytes, cut to 12 bytes. Nothing when the name holds a character Windows-1252
// cannot store (such a name could never be written to a map file).
std::optional<std::string> FrameNameForChosenFile(const std::string& chosenPath);

// Appends one frame per chosen file (UTF-8 paths), in order, loading each picture
// from GFX/ under its stored name. Stops at 8 frames or at the first picture that
// cannot be loaded; frames added before the stop stay.
AddFramesResult AddFrames(TextureEntry& entry, const std::string& programDirectory,
                          const std::vector<std::string>& chosenPaths);

// Each returns false and changes nothing when the texture or position does not
// allow the operation (no such frame, first frame up, last frame down).
bool RemoveFrame(TextureEntry& entry, int position);
bool MoveFrameUp(TextureEntry& entry, int position);
bool MoveFrameDown(TextureEntry& entry, int position);

}  // namespace tessmoor
