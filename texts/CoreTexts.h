#pragma once
// The words of what the file, table, compile and preview work hands up, and of
// the names and measures shown beside them, for the editor and tmcompile alike.

#include <cstdint>
#include <string>

#include "compiler/MeshBuilder.h"
#include "io/CoreMessage.h"
#include "view/Measurement.h"

namespace tessmoor {

// The message in UTF-8 and the current language: "Fehler beim Einlesen von
// Karte.tmm."; empty for None.
std::string CoreText(const CoreMessage& message);

// The table's name as the overflow lines call it ("Polygone"); empty for None.
std::string TableName(MeshTable table);

// A surface layer's name ("Boden", "Sockel - Decke"); empty for a number that is none.
std::string SurfaceName(int layer);

// The size of a block, "5 × 3 Zellen, 640 × 384 Einheiten (16,0 m × 9,6 m)".
std::string MeasurementText(int32_t width, int32_t height);

// The position field: "12: 40", with "   " and the measurement for more than
// one cell; empty without a cell.
std::string PositionLabelText(const PositionLabel& label);

}  // namespace tessmoor
