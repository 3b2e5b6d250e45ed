#pragma once
// The frame pictures of a whole map, loaded on all cores. A map of 256 textures
// names up to 2048 pictures, and decoding them one after another is most of
// what a person waits for when opening it.

#include <string>
#include <vector>

#include "graphics/HiColorImage.h"

namespace tessmoor {

// One frame picture to load: its stored name and where its thumbnail goes.
struct FrameThumbnailJob {
  std::string frameName;
  HiColorImage* thumbnail = nullptr;  // empty on entry
};

// Loads the jobs' thumbnails as LoadFrameThumbnail would one after another, on
// up to ThumbnailThreadCount() threads. Returns the index of the first job in
// order whose picture could not be loaded, or jobs.size() when all were. Jobs
// after a failed one may be left undone, as the one-by-one load never reaches
// them; the thumbnails of every job before it are complete. Afterwards the
// calling thread's graphics error code tells nothing.
size_t LoadFrameThumbnails(const std::string& programDirectory, const std::vector<FrameThumbnailJob>& jobs);

// The threads a load uses: the machine's cores, at least 1 and at most 8.
unsigned ThumbnailThreadCount();

}  // namespace tessmoor
