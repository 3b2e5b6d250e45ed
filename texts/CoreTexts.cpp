#include "texts/CoreTexts.h"

#include <cstring>

#include "document/MapDocument.h"
#include "io/RegularFile.h"
#include "texts/Translation.h"
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
  return number == NotARegularFile ? Tr("CoreTexts", "keine reguläre Datei") : std::string(std::strerror(number));
}

std::string NoBackupText(const CoreMessage& message) {
  const std::string& folder = Arg(message, 1);
  const std::string reason = SystemReason(Arg(message, 2));
  if (folder.empty()) return Fill(Tr("CoreTexts", "Keine Sicherung von %1: %2"), {Arg(message, 0), reason});
  return Fill(Tr("CoreTexts", "Keine Sicherung von %1: %2: %3"), {Arg(message, 0), folder, reason});
}

// A stamp read from a file names it first: "\"a.tms\": Der Stempel ist beschädigt."
std::string StampText(const CoreMessage& message, const std::string& text, const std::string& named) {
  return message.args.empty() ? text : Fill(named, {Arg(message, 0)});
}

// The count lines' own short names, as the log has always written them.
std::string CountName(MeshTable table) {
  switch (table) {
    case MeshTable::Vertices:
      return Tr("CountNames", "Eckpunkte");
    case MeshTable::Polygons:
      return Tr("CountNames", "Polygone");
    case MeshTable::TexCoords:
      return Tr("CountNames", "Textur-Koord.");
    case MeshTable::Indices:
      return Tr("CountNames", "Indezies");
    case MeshTable::FaceCorners:
    case MeshTable::None:
      break;
  }
  return "";
}

std::string OverflowText(MeshTable table, bool preview) {
  const std::string pattern =
      preview ? Tr("CoreTexts", "Fehler: Zu viele %1 (höchstens %2). Gezeigt wird, was hineinpasst.")
              : Tr("CoreTexts", "Fehler: Zu viele %1 (höchstens %2).");
  return Fill(pattern, {TableName(table), std::to_string(Capacity(table))});
}

std::string FileText(const CoreMessage& message) {
  const std::string& path = Arg(message, 0);
  switch (message.code) {
    case CoreCode::MapNotRead:
      return Fill(Tr("CoreTexts", "Fehler beim Einlesen von %1."), {path});
    case CoreCode::NotAMap:
      return Fill(Tr("CoreTexts", "%1 ist keine TMM-Datei."), {path});
    case CoreCode::MapNotCreated:
      return Fill(Tr("CoreTexts", "Konnte %1 nicht schreiben."), {path});
    case CoreCode::MapNotWritten:
      return Fill(Tr("CoreTexts", "Fehler beim Schreiben von %1."), {path});
    case CoreCode::MapNotOpened:
      return Fill(Tr("CoreTexts", "%1 kann nicht geöffnet werden."), {path});
    case CoreCode::ModelOverMap:
      return Fill(Tr("CoreTexts", "Fehler: Das Modell %1 würde die Karte %2 überschreiben!"), {path, Arg(message, 1)});
    case CoreCode::NotARecoveryCopy:
      return Fill(Tr("CoreTexts", "%1 ist keine Wiederherstellungskopie."), {path});
    case CoreCode::PictureNotLoaded:
      return Fill(Tr("CoreTexts", "Fehler beim Laden von \"%1\"."), {path});
    case CoreCode::PictureNotCopied:
      return Fill(Tr("CoreTexts", "Fehler beim Kopieren von \"%1\" nach \"%2\"."), {path, Arg(message, 1)});
    case CoreCode::NoBackup:
      return NoBackupText(message);
    case CoreCode::ModelNotCreated:
      return Fill(Tr("CoreTexts", "Fehler beim Erstellen von %1!"), {path});
    case CoreCode::ModelNotWritten:
      return Fill(Tr("CoreTexts", "Fehler beim Schreiben von %1!"), {path});
    default:
      break;
  }
  return {};
}

std::string StampOrTableText(const CoreMessage& message) {
  switch (message.code) {
    case CoreCode::NotAStamp:
      return StampText(message, Tr("CoreTexts", "Die Datei ist kein Stempel."),
                       Tr("CoreTexts", "\"%1\": Die Datei ist kein Stempel."));
    case CoreCode::NewerStamp:
      return StampText(message, Tr("CoreTexts", "Der Stempel stammt aus einer neueren Version des Editors."),
                       Tr("CoreTexts", "\"%1\": Der Stempel stammt aus einer neueren Version des Editors."));
    case CoreCode::DamagedStamp:
      return StampText(message, Tr("CoreTexts", "Der Stempel ist beschädigt."),
                       Tr("CoreTexts", "\"%1\": Der Stempel ist beschädigt."));
    case CoreCode::StampNotSaved:
      return Fill(Tr("CoreTexts", "Der Stempel kann nicht unter \"%1\" gespeichert werden."), {Arg(message, 0)});
    case CoreCode::StampNotOpened:
      return Fill(Tr("CoreTexts", "Der Stempel \"%1\" kann nicht geöffnet werden."), {Arg(message, 0)});
    case CoreCode::TooManyFrames:
      return Fill(Tr("CoreTexts", "Mehr als %1 Dateien pro Textur sind nicht zulässig."), {std::to_string(MaxFrames)});
    case CoreCode::TooManyTextures:
      return Fill(Tr("CoreTexts", "Die Anzahl der Texturen ist auf %1 begrenzt."), {std::to_string(MaxTextures)});
    case CoreCode::TextureInUse:
      return Tr("CoreTexts", "Die Textur wird noch benutzt. Sie kann nicht gelöscht werden.");
    case CoreCode::EmptySlot:
      return Tr("CoreTexts", "Die Vorlage ist leer: Umschalt+Klick auf eine Zelle übernimmt sie.");
    default:
      break;
  }
  return {};
}

std::string CompileText(const CoreMessage& message) {
  switch (message.code) {
    case CoreCode::CompileBuilding:
      return Tr("CoreTexts", "Erstelle 3D-Modell...");
    case CoreCode::CompileWriting:
      return Fill(Tr("CoreTexts", "Erstelle %1..."), {Arg(message, 0)});
    case CoreCode::CompileDone:
      return Tr("CoreTexts", "Compilierung abgeschlossen.");
    case CoreCode::ExportDone:
      return Tr("CoreTexts", "Export abgeschlossen.");
    case CoreCode::CompileCount:
      return CountName(TableArg(message)) + ": " + Arg(message, 1);
    case CoreCode::TableOverflow:
      return OverflowText(TableArg(message), false);
    case CoreCode::PreviewOverflow:
      return OverflowText(TableArg(message), true);
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

std::string TableName(MeshTable table) {
  switch (table) {
    case MeshTable::Vertices:
      return Tr("TableNames", "Eckpunkte");
    case MeshTable::Polygons:
      return Tr("TableNames", "Polygone");
    case MeshTable::TexCoords:
      return Tr("TableNames", "Textur-Koordinaten");
    case MeshTable::Indices:
      return Tr("TableNames", "Indizes");
    case MeshTable::FaceCorners:
      return Tr("TableNames", "Ecken in einem Polygon");
    case MeshTable::None:
      break;
  }
  return "";
}

std::string SurfaceName(int layer) {
  switch (layer) {
    case 0:
      return Tr("SurfaceNames", "Boden");
    case 1:
      return Tr("SurfaceNames", "Decke");
    case 2:
      return Tr("SurfaceNames", "Wand");
    case 3:
      return Tr("SurfaceNames", "Sockel - Boden");
    case 4:
      return Tr("SurfaceNames", "Sockel - Decke");
    default:
      break;
  }
  return {};
}

namespace {

// Tenths of a metre are exact: a cell is 3.2 m, so no rounding is ever needed.
std::string Metres(int32_t units) {
  const int64_t tenths = static_cast<int64_t>(units) * 10 / UnitsPerMetre;
  return Fill(Tr("CoreTexts", "%1,%2 m"), {std::to_string(tenths / 10), std::to_string(tenths % 10)});
}

}  // namespace

std::string MeasurementText(int32_t width, int32_t height) {
  const int32_t unitsX = width * CellUnits, unitsY = height * CellUnits;
  return Fill(Tr("CoreTexts", "%1 × %2 Zellen, %3 × %4 Einheiten (%5 × %6)"),
              {std::to_string(width), std::to_string(height), std::to_string(unitsX), std::to_string(unitsY),
               Metres(unitsX), Metres(unitsY)});
}

std::string PositionLabelText(const PositionLabel& label) {
  if (!label.cell) return {};
  std::string text = std::to_string(label.cell->x) + ": " + std::to_string(label.cell->y);
  if (label.width * label.height > 1) text += "   " + MeasurementText(label.width, label.height);
  return text;
}

}  // namespace tessmoor
