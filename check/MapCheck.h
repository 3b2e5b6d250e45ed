#pragma once
// The map check: what is wrong with a map before the compile or the engine
// shows it. Pure: it reads the document and changes nothing.

#include "check/MapFinding.h"
#include "document/MapDocument.h"

namespace tessmoor {

// Every finding, errors first, then warnings, then hints; within one severity
// those without a cell first, then by cell row by row (the compile's order).
MapFindings CheckMap(const MapDocument& document);

// True when a finding is an error.
bool HasErrors(const MapFindings& findings);

}  // namespace tessmoor
