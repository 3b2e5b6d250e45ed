#include "texts/CheckTexts.h"

#include "compiler/CompileMap.h"
#include "texts/CoreTexts.h"
#include "texts/Translation.h"

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

// "Textur „Stein“ …" by the sentence for a named texture; a nameless texture by its number.
std::string TextureText(const FindingMessage& message, const std::string& numbered, const std::string& named) {
  const std::string& name = Arg(message, 1);
  return name.empty() ? Fill(numbered, {Arg(message, 0)}) : Fill(named, {name});
}

std::string OverflowText(const std::string& pattern, const std::string& needed, MeshTable table) {
  return Fill(pattern, {needed, TableName(table), std::to_string(Capacity(table))});
}

}  // namespace

std::string SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return Tr("Severities", "Fehler");
    case Severity::Warning:
      return Tr("Severities", "Warnung");
    case Severity::Hint:
      break;
  }
  return Tr("Severities", "Hinweis");
}

std::string FindingText(const FindingMessage& message) {
  switch (message.code) {
    case FindingCode::WallWithoutTexture:
      return Tr("CheckTexts", "Wand ohne Wandtextur neben offener Zelle");
    case FindingCode::ColumnWithoutWallTexture:
      return Tr("CheckTexts", "Säule ohne Wandtextur");
    case FindingCode::BasinWithoutWallTexture:
      return Tr("CheckTexts", "Wasserbecken ohne Wandtextur");
    case FindingCode::WindowWithoutWallTexture:
      return Tr("CheckTexts", "Fenster ohne Wandtextur");
    case FindingCode::CeilingBelowFloor:
      return Tr("CheckTexts", "Deckenecke unter dem Boden");
    case FindingCode::WaterOutsideRoom:
      return Tr("CheckTexts", "Wasserspiegel nicht zwischen Boden und Decke");
    case FindingCode::OpenFloorOnEdge:
      return Tr("CheckTexts", "Offener Boden am Kartenrand");
    case FindingCode::StartOutsideGrid:
      return Fill(Tr("CheckTexts", "Startposition %1: %2 liegt außerhalb der Karte"),
                  {Arg(message, 0), Arg(message, 1)});
    case FindingCode::StartInWall:
      return Tr("CheckTexts", "Startposition in einer Wand");
    case FindingCode::TextureNotInTable:
      return Fill(Tr("CheckTexts", "Textur %1 (%2) fehlt in der Tabelle"),
                  {Arg(message, 0), SurfaceName(NumberArg(message, 1))});
    case FindingCode::TextureUnused:
      return TextureText(message, Tr("CheckTexts", "Textur %1 wird nicht benutzt"),
                         Tr("CheckTexts", "Textur „%1“ wird nicht benutzt"));
    case FindingCode::TextureWithoutFrames:
      return TextureText(message, Tr("CheckTexts", "Textur %1 hat keine Bilder"),
                         Tr("CheckTexts", "Textur „%1“ hat keine Bilder"));
    case FindingCode::TableOverflow:
      return OverflowText(Tr("CheckTexts", "%1 %2, höchstens %3"), Arg(message, 0),
                          static_cast<MeshTable>(NumberArg(message, 1)));
    case FindingCode::TableOverflowBeyond: {
      const auto table = static_cast<MeshTable>(NumberArg(message, 0));
      return OverflowText(Tr("CheckTexts", "Mehr als %1 %2, höchstens %3"), std::to_string(Capacity(table)), table);
    }
  }
  return {};
}

std::string FindingLine(const MapFinding& finding) {
  const std::string where = finding.cell ? " " + CellText(*finding.cell) + ": " : ": ";
  return SeverityName(finding.severity) + where + FindingText(finding.message);
}

}  // namespace tessmoor
