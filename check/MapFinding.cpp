#include "check/MapFinding.h"

namespace tessmoor {

std::string CellText(GridPoint cell) { return std::to_string(cell.x) + ": " + std::to_string(cell.y); }

}  // namespace tessmoor
