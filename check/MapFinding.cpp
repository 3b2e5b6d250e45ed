#include "check/MapFinding.h"

namespace tessmoor {

std::string CellText(GridPoint cell) { return std::to_string(cell.x) + ": " + std::to_string(cell.y); }

const char* FindingCodeId(FindingCode code) {
  switch (code) {
    case FindingCode::WallWithoutTexture:
      return "WallWithoutTexture";
    case FindingCode::ColumnWithoutWallTexture:
      return "ColumnWithoutWallTexture";
    case FindingCode::BasinWithoutWallTexture:
      return "BasinWithoutWallTexture";
    case FindingCode::WindowWithoutWallTexture:
      return "WindowWithoutWallTexture";
    case FindingCode::CeilingBelowFloor:
      return "CeilingBelowFloor";
    case FindingCode::WaterOutsideRoom:
      return "WaterOutsideRoom";
    case FindingCode::OpenFloorOnEdge:
      return "OpenFloorOnEdge";
    case FindingCode::StartOutsideGrid:
      return "StartOutsideGrid";
    case FindingCode::StartInWall:
      return "StartInWall";
    case FindingCode::TextureNotInTable:
      return "TextureNotInTable";
    case FindingCode::TextureUnused:
      return "TextureUnused";
    case FindingCode::TextureWithoutFrames:
      return "TextureWithoutFrames";
    case FindingCode::TableOverflow:
      return "TableOverflow";
    case FindingCode::TableOverflowBeyond:
      return "TableOverflowBeyond";
  }
  return "";
}

const char* SeverityId(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Hint:
      return "hint";
  }
  return "";
}

}  // namespace tessmoor
