#include "scripting/ScriptFields.h"

#include <cmath>
#include <limits>

namespace tessmoor {

namespace {

constexpr const char* SurfaceNames[SurfaceCount] = {"floor", "ceiling", "wall", "pedestalFloor", "pedestalCeiling"};

bool WholeIn(double value, double low, double high) {
  return std::isfinite(value) && value == std::floor(value) && value >= low && value <= high;
}

}  // namespace

std::string ScriptFieldName(CellField field) {
  const int element = ElementOf(field);
  if (field >= CellField::TextureOffset0) return std::string(SurfaceNames[element]) + "Offset";
  if (field >= CellField::Texture0) return std::string(SurfaceNames[element]) + "Texture";
  if (field >= CellField::CeilingHeight0) return "ceilingHeight" + std::to_string(element);
  switch (field) {
    case CellField::Type:
      return "type";
    case CellField::Opacity:
      return "opacity";
    case CellField::WaterLevel:
      return "waterLevel";
    default:
      return "floorHeight";
  }
}

std::optional<CellField> ScriptFieldByName(std::string_view name) {
  for (CellField field : AllCellFields) {
    if (ScriptFieldName(field) == name) return field;
  }
  return std::nullopt;
}

double ScriptFieldValue(const MapCell& cell, CellField field) {
  const int element = ElementOf(field);
  if (field >= CellField::TextureOffset0) return cell.textureOffset.values[element];
  if (field >= CellField::Texture0) {
    const uint16_t texture = cell.texture.values[element];
    return texture == NoTexture ? -1.0 : texture;
  }
  if (field >= CellField::CeilingHeight0) return cell.ceilingHeight[element];
  switch (field) {
    case CellField::Type:
      return cell.type;
    case CellField::Opacity:
      return cell.opacity;
    case CellField::WaterLevel:
      return cell.waterLevel;
    default:
      return cell.floorHeight;
  }
}

bool SetScriptFieldValue(MapCell& cell, CellField field, double value) {
  const int element = ElementOf(field);
  if (field >= CellField::TextureOffset0) {
    if (!WholeIn(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max())) return false;
    cell.textureOffset.values[element] = static_cast<int16_t>(value);
    return true;
  }
  if (field >= CellField::Texture0) {
    if (!WholeIn(value, -1, NoTexture - 1)) return false;
    cell.texture.values[element] = value < 0 ? NoTexture : static_cast<uint16_t>(value);
    return true;
  }
  if (field == CellField::Type || field == CellField::Opacity) {
    if (!WholeIn(value, 0, 255)) return false;
    (field == CellField::Type ? cell.type : cell.opacity) = static_cast<uint8_t>(value);
    return true;
  }
  const double largest = std::numeric_limits<float>::max();
  if (!std::isfinite(value) || std::fabs(value) > largest) return false;
  const float stored = static_cast<float>(value);
  if (field >= CellField::CeilingHeight0) {
    cell.ceilingHeight[element] = stored;
  } else {
    (field == CellField::WaterLevel ? cell.waterLevel : cell.floorHeight) = stored;
  }
  return true;
}

}  // namespace tessmoor
