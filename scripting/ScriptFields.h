#pragma once
// The names scripts give a cell's fields, and their values as plain numbers:
// heights as they are stored, textures as table numbers with -1 for none.

#include <optional>
#include <string>
#include <string_view>

#include "edit/CellFieldEdit.h"

namespace tessmoor {

std::optional<CellField> ScriptFieldByName(std::string_view name);
std::string ScriptFieldName(CellField field);
double ScriptFieldValue(const MapCell& cell, CellField field);
// Stores `value` into the field of `cell`; false, changing nothing, when the
// field cannot hold it (a fraction in a whole-number field, out of its range,
// not a finite number).
bool SetScriptFieldValue(MapCell& cell, CellField field, double value);

}  // namespace tessmoor
