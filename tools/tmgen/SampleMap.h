#pragma once
// The sample map shipped in Maps/: a hall, a corridor, a bath with a sloped
// ceiling and a water basin, a library and a garden, so that every cell kind,
// floor and ceiling steps and both animation types appear in one small level.

#include <string>

#include "document/MapDocument.h"

namespace tessmoor {

constexpr const char* SampleMapName = "Sample.tmm";

// Fills an empty document (after ResetDocument with released textures).
void BuildSampleMap(MapDocument& document);

// Builds the sample map and the courtyard map and saves both into `directory`.
// False, with `error` set to the save's message, when one cannot be written.
bool WriteSampleMaps(const std::string& directory, std::string& error);

}  // namespace tessmoor
