#include "texts/CoreTexts.h"

#include <cstring>
#include <iterator>

#include "document/MapDocument.h"
#include "io/RegularFile.h"
#include "view/Measurement.h"

namespace tessmoor {

namespace {

const std::string& Arg(const CoreMessage& message, size_t index) {
  static const std::string none;
  return index < message.args.size() ? message.args[index] : none;
}

MeshTable TableArg(const CoreMessage& message) {
  const std::string& text = Arg(message, 0);
  return text.empty() ? MeshTable::None : static_cast<MeshTable>(std::stoi(text));
}

std::string SystemReason(const std::string& error) {
  const int number = error.empty() ? 0 : std::stoi(error);
  return number == NotARegularFile ? std::string("keine reguläre Datei") : std::string(std::strerror(number));
}

std::string NoBackupText(const CoreMessage& message) {
  const std::string& folder = Arg(message, 1);
  return "Keine Sicherung von " + Arg(message, 0) + ": " + (folder.empty() ? "" : folder + ": ") +
         SystemReason(Arg(message, 2));
}

// A stamp read from a file names it first: "\"a.tms\": Der Stempel ist beschädigt."
std::string StampText(const CoreMessage& message, const char* text) {
  return message.args.empty() ? std::string(text) : "\"" + Arg(message, 0) + "\": " + text;
}

// The count lines' own short names, as the log has always written them.
const char* CountName(MeshTable table) {
  switch (table) {
    case MeshTable::Vertices:
      return "Eckpunkte";
    case MeshTable::Polygons:
      return "Polygone";
    case MeshTable::TexCoords:
      return "Textur-Koord.";
    case MeshTable::Indices:
      return "Indezies";
    case MeshTable::FaceCorners:
    case MeshTable::None:
      break;
  }
  return "";
}

std::string OverflowText(MeshTable table) {
  return std::string("Fehler: Zu viele ") + TableName(table) + " (höchstens " + std::to_string(Capacity(table)) + ").";
}

std::string FileText(const CoreMessage& message) {
  const std::string& path = Arg(message, 0);
  switch (message.code) {
    case CoreCode::MapNotRead:
      return "Fehler beim Einlesen von " + path + ".";
    case CoreCode::NotAMap:
      return path + " ist keine TMM-Datei.";
    case CoreCode::MapNotCreated:
      return "Konnte " + path + " nicht schreiben.";
    case CoreCode::MapNotWritten:
      return "Fehler beim Schreiben von " + path + ".";
    case CoreCode::MapNotOpened:
      return path + " kann nicht geöffnet werden.";
    case CoreCode::ModelOverMap:
      return "Fehler: Das Modell " + path + " würde die Karte " + Arg(message, 1) + " überschreiben!";
    case CoreCode::NotARecoveryCopy:
      return path + " ist keine Wiederherstellungskopie.";
    case CoreCode::PictureNotLoaded:
      return "Fehler beim Laden von \"" + path + "\".";
    case CoreCode::NoBackup:
      return NoBackupText(message);
    case CoreCode::ModelNotCreated:
      return "Fehler beim Erstellen von " + path + "!";
    case CoreCode::ModelNotWritten:
      return "Fehler beim Schreiben von " + path + "!";
    default:
      break;
  }
  return {};
}

std::string StampOrTableText(const CoreMessage& message) {
  switch (message.code) {
    case CoreCode::NotAStamp:
      return StampText(message, "Die Datei ist kein Stempel.");
    case CoreCode::NewerStamp:
      return StampText(message, "Der Stempel stammt aus einer neueren Version des Editors.");
    case CoreCode::DamagedStamp:
      return StampText(message, "Der Stempel ist beschädigt.");
    case CoreCode::StampNotSaved:
      return "Der Stempel kann nicht unter \"" + Arg(message, 0) + "\" gespeichert werden.";
    case CoreCode::StampNotOpened:
      return "Der Stempel \"" + Arg(message, 0) + "\" kann nicht geöffnet werden.";
    case CoreCode::TooManyFrames:
      return "Mehr als " + std::to_string(MaxFrames) + " Dateien pro Textur sind nicht zulässig.";
    case CoreCode::TooManyTextures:
      return "Die Anzahl der Texturen ist auf " + std::to_string(MaxTextures) + " begrenzt.";
    case CoreCode::TextureInUse:
      return "Die Textur wird noch benutzt. Sie kann nicht gelöscht werden.";
    case CoreCode::EmptySlot:
      return "Die Vorlage ist leer: Umschalt+Klick auf eine Zelle übernimmt sie.";
    default:
      break;
  }
  return {};
}

std::string CompileText(const CoreMessage& message) {
  switch (message.code) {
    case CoreCode::CompileBuilding:
      return "Erstelle 3D-Modell...";
    case CoreCode::CompileWriting:
      return "Erstelle " + Arg(message, 0) + "...";
    case CoreCode::CompileDone:
      return "Compilierung abgeschlossen.";
    case CoreCode::ExportDone:
      return "Export abgeschlossen.";
    case CoreCode::CompileCount:
      return std::string(CountName(TableArg(message))) + ": " + Arg(message, 1);
    case CoreCode::TableOverflow:
      return OverflowText(TableArg(message));
    case CoreCode::PreviewOverflow:
      return OverflowText(TableArg(message)) + " Gezeigt wird, was hineinpasst.";
    default:
      break;
  }
  return {};
}

}  // namespace

std::string CoreText(const CoreMessage& message) {
  if (std::string text = FileText(message); !text.empty()) return text;
  if (std::string text = StampOrTableText(message); !text.empty()) return text;
  return CompileText(message);
}

const char* TableName(MeshTable table) {
  switch (table) {
    case MeshTable::Vertices:
      return "Eckpunkte";
    case MeshTable::Polygons:
      return "Polygone";
    case MeshTable::TexCoords:
      return "Textur-Koordinaten";
    case MeshTable::Indices:
      return "Indizes";
    case MeshTable::FaceCorners:
      return "Ecken in einem Polygon";
    case MeshTable::None:
      break;
  }
  return "";
}

const char* SurfaceName(int layer) {
  static constexpr const char* Names[] = {"Boden", "Decke", "Wand", "Sockel - Boden", "Sockel - Decke"};
  return layer >= 0 && layer < static_cast<int>(std::size(Names)) ? Names[layer] : "";
}

namespace {

// Tenths of a metre are exact: a cell is 3.2 m, so no rounding is ever needed.
std::string Metres(int32_t units) {
  const int64_t tenths = static_cast<int64_t>(units) * 10 / UnitsPerMetre;
  return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " m";
}

}  // namespace

std::string MeasurementText(int32_t width, int32_t height) {
  const int32_t unitsX = width * CellUnits, unitsY = height * CellUnits;
  return std::to_string(width) + " × " + std::to_string(height) + " Zellen, " + std::to_string(unitsX) + " × " +
         std::to_string(unitsY) + " Einheiten (" + Metres(unitsX) + " × " + Metres(unitsY) + ")";
}

std::string PositionLabelText(const PositionLabel& label) {
  if (!label.cell) return {};
  std::string text = std::to_string(label.cell->x) + ": " + std::to_string(label.cell->y);
  if (label.width * label.height > 1) text += "   " + MeasurementText(label.width, label.height);
  return text;
}

}  // namespace tessmoor
