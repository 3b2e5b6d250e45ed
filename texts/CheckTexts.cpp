#include "texts/CheckTexts.h"

#include "compiler/CompileMap.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

namespace {

const std::string& Arg(const FindingMessage& message, size_t index) {
  static const std::string none;
  return index < message.args.size() ? message.args[index] : none;
}

int NumberArg(const FindingMessage& message, size_t index) {
  const std::string& text = Arg(message, index);
  return text.empty() ? 0 : std::stoi(text);
}

// "Textur „Stein“"; a nameless texture by its number.
std::string TextureText(const FindingMessage& message) {
  const std::string& name = Arg(message, 1);
  if (name.empty()) return "Textur " + Arg(message, 0);
  return "Textur „" + name + "“";
}

std::string OverflowText(const std::string& needed, MeshTable table) {
  return needed + " " + TableName(table) + ", höchstens " + std::to_string(Capacity(table));
}

}  // namespace

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "Fehler";
    case Severity::Warning:
      return "Warnung";
    case Severity::Hint:
      break;
  }
  return "Hinweis";
}

std::string FindingText(const FindingMessage& message) {
  switch (message.code) {
    case FindingCode::WallWithoutTexture:
      return "Wand ohne Wandtextur neben offener Zelle";
    case FindingCode::ColumnWithoutWallTexture:
      return "Säule ohne Wandtextur";
    case FindingCode::BasinWithoutWallTexture:
      return "Wasserbecken ohne Wandtextur";
    case FindingCode::WindowWithoutWallTexture:
      return "Fenster ohne Wandtextur";
    case FindingCode::CeilingBelowFloor:
      return "Deckenecke unter dem Boden";
    case FindingCode::WaterOutsideRoom:
      return "Wasserspiegel nicht zwischen Boden und Decke";
    case FindingCode::OpenFloorOnEdge:
      return "Offener Boden am Kartenrand";
    case FindingCode::StartOutsideGrid:
      return "Startposition " + Arg(message, 0) + ": " + Arg(message, 1) + " liegt außerhalb der Karte";
    case FindingCode::StartInWall:
      return "Startposition in einer Wand";
    case FindingCode::TextureNotInTable:
      return "Textur " + Arg(message, 0) + " (" + SurfaceName(NumberArg(message, 1)) + ") fehlt in der Tabelle";
    case FindingCode::TextureUnused:
      return TextureText(message) + " wird nicht benutzt";
    case FindingCode::TextureWithoutFrames:
      return TextureText(message) + " hat keine Bilder";
    case FindingCode::TableOverflow:
      return OverflowText(Arg(message, 0), static_cast<MeshTable>(NumberArg(message, 1)));
    case FindingCode::TableOverflowBeyond: {
      const auto table = static_cast<MeshTable>(NumberArg(message, 0));
      return OverflowText("Mehr als " + std::to_string(Capacity(table)), table);
    }
  }
  return {};
}

std::string FindingLine(const MapFinding& finding) {
  const std::string where = finding.cell ? " " + CellText(*finding.cell) + ": " : ": ";
  return SeverityName(finding.severity) + where + FindingText(finding.message);
}

}  // namespace tessmoor
