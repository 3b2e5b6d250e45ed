// Every code the file, table, compile and preview work hands up, with the exact
// words the user reads for it: the texts stayed the same when the core stopped
// wording them.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "io/CoreMessage.h"
#include "io/RegularFile.h"
#include "texts/CoreTexts.h"
#include "texts/Translation.h"

namespace tessmoor {
namespace {

struct Row {
  CoreMessage message;
  std::string text;
};

std::string Table(MeshTable table) { return std::to_string(static_cast<int>(table)); }

std::vector<Row> Rows() {
  const std::string noSpace = std::strerror(ENOSPC);
  const std::vector<Row> rows = {
      {{CoreCode::None, {}}, ""},
      {{CoreCode::MapNotRead, {"/m/Halle.tmm"}}, "Fehler beim Einlesen von /m/Halle.tmm."},
      {{CoreCode::NotAMap, {"/m/Halle.tmm"}}, "/m/Halle.tmm ist keine TMM-Datei."},
      {{CoreCode::MapNotCreated, {"/m/Halle.tmm"}}, "Konnte /m/Halle.tmm nicht schreiben."},
      {{CoreCode::MapNotWritten, {"/m/Halle.tmm"}}, "Fehler beim Schreiben von /m/Halle.tmm."},
      {{CoreCode::MapNotOpened, {"/m/Halle.tmm"}}, "/m/Halle.tmm kann nicht geöffnet werden."},
      {{CoreCode::ModelOverMap, {"/m/a.tcm", "/m/a.tmm"}},
       "Fehler: Das Modell /m/a.tcm würde die Karte /m/a.tmm überschreiben!"},
      {{CoreCode::NotARecoveryCopy, {"/r/1.tmr"}}, "/r/1.tmr ist keine Wiederherstellungskopie."},
      {{CoreCode::PictureNotLoaded, {"/p/GFX/A.PCX"}}, "Fehler beim Laden von \"/p/GFX/A.PCX\"."},
      {{CoreCode::PictureNotCopied, {"/d/A.PCX", "/u/GFX/"}},
       "Fehler beim Kopieren von \"/d/A.PCX\" nach \"/u/GFX/\"."},
      {{CoreCode::NoBackup, {"Halle.tmm", "", std::to_string(ENOSPC)}}, "Keine Sicherung von Halle.tmm: " + noSpace},
      {{CoreCode::NoBackup, {"Halle.tmm", "/b/", std::to_string(ENOSPC)}},
       "Keine Sicherung von Halle.tmm: /b/: " + noSpace},
      {{CoreCode::NoBackup, {"Halle.tmm", "", std::to_string(NotARegularFile)}},
       "Keine Sicherung von Halle.tmm: keine reguläre Datei"},
      {{CoreCode::NotAStamp, {}}, "Die Datei ist kein Stempel."},
      {{CoreCode::NotAStamp, {"/s/a.tms"}}, "\"/s/a.tms\": Die Datei ist kein Stempel."},
      {{CoreCode::NewerStamp, {}}, "Der Stempel stammt aus einer neueren Version des Editors."},
      {{CoreCode::NewerStamp, {"/s/a.tms"}}, "\"/s/a.tms\": Der Stempel stammt aus einer neueren Version des Editors."},
      {{CoreCode::DamagedStamp, {}}, "Der Stempel ist beschädigt."},
      {{CoreCode::DamagedStamp, {"/s/a.tms"}}, "\"/s/a.tms\": Der Stempel ist beschädigt."},
      {{CoreCode::StampNotSaved, {"/s/a.tms"}}, "Der Stempel kann nicht unter \"/s/a.tms\" gespeichert werden."},
      {{CoreCode::StampNotOpened, {"/s/a.tms"}}, "Der Stempel \"/s/a.tms\" kann nicht geöffnet werden."},
      {{CoreCode::TooManyFrames, {}}, "Mehr als 8 Dateien pro Textur sind nicht zulässig."},
      {{CoreCode::TooManyTextures, {}}, "Die Anzahl der Texturen ist auf 256 begrenzt."},
      {{CoreCode::TextureInUse, {}}, "Die Textur wird noch benutzt. Sie kann nicht gelöscht werden."},
      {{CoreCode::EmptySlot, {}}, "Die Vorlage ist leer: Umschalt+Klick auf eine Zelle übernimmt sie."},
      {{CoreCode::CompileBuilding, {}}, "Erstelle 3D-Modell..."},
      {{CoreCode::CompileWriting, {"/m/a.tcm"}}, "Erstelle /m/a.tcm..."},
      {{CoreCode::CompileDone, {}}, "Compilierung abgeschlossen."},
      {{CoreCode::ExportDone, {}}, "Export abgeschlossen."},
      {{CoreCode::CompileCount, {Table(MeshTable::Vertices), "12"}}, "Eckpunkte: 12"},
      {{CoreCode::CompileCount, {Table(MeshTable::Polygons), "7"}}, "Polygone: 7"},
      {{CoreCode::CompileCount, {Table(MeshTable::TexCoords), "0"}}, "Textur-Koord.: 0"},
      {{CoreCode::CompileCount, {Table(MeshTable::Indices), "48"}}, "Indezies: 48"},
      {{CoreCode::TableOverflow, {Table(MeshTable::Polygons)}}, "Fehler: Zu viele Polygone (höchstens 12000)."},
      {{CoreCode::TableOverflow, {Table(MeshTable::TexCoords)}},
       "Fehler: Zu viele Textur-Koordinaten (höchstens " + std::to_string(Capacity(MeshTable::TexCoords)) + ")."},
      {{CoreCode::TableOverflow, {Table(MeshTable::FaceCorners)}},
       "Fehler: Zu viele Ecken in einem Polygon (höchstens " + std::to_string(Capacity(MeshTable::FaceCorners)) + ")."},
      {{CoreCode::PreviewOverflow, {Table(MeshTable::Vertices)}},
       "Fehler: Zu viele Eckpunkte (höchstens 32000). Gezeigt wird, was hineinpasst."},
      {{CoreCode::ModelNotCreated, {"/m/a.glb"}}, "Fehler beim Erstellen von /m/a.glb!"},
      {{CoreCode::ModelNotWritten, {"/m/a.glb"}}, "Fehler beim Schreiben von /m/a.glb!"},
  };
  return rows;
}

TEST(CoreMessageText, EveryCodeIsWordedAsTheUserAlwaysReadIt) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(static_cast<int>(row.message.code));
    EXPECT_EQ(CoreText(row.message), row.text);
  }
}

// A lookup that brackets what it is asked for shows how a translation sees
// each text: a whole sentence, with the names inside it asked for on their own.
class BracketingLookup {
 public:
  BracketingLookup() {
    SetTextLookup([this](const char* context, const char* source) {
      contexts.insert(context);
      return std::string("<") + source + ">";
    });
  }
  ~BracketingLookup() { SetTextLookup(nullptr); }
  std::set<std::string> contexts;
};

std::string WithoutBrackets(std::string text) {
  std::erase_if(text, [](char c) { return c == '<' || c == '>'; });
  return text;
}

TEST(CoreMessageText, EachMessageIsOneTranslatedSentenceWithItsArgumentsFilledIn) {
  BracketingLookup lookup;
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.text);
    const std::string text = CoreText(row.message);
    EXPECT_EQ(WithoutBrackets(text), row.text);
    if (row.message.code == CoreCode::None) continue;
    if (row.message.code == CoreCode::CompileCount) {
      EXPECT_EQ(text.substr(text.find('>')), ">: " + row.message.args[1]);
      continue;
    }
    EXPECT_EQ(text.front(), '<');
    EXPECT_EQ(text.back(), '>');
  }
  EXPECT_EQ(MeasurementText(5, 3), "<5 × 3 Zellen, 640 × 384 Einheiten (<16,0 m> × <9,6 m>)>");
  EXPECT_EQ(SurfaceName(3), "<Sockel - Boden>");
  EXPECT_EQ(lookup.contexts, (std::set<std::string>{"CoreTexts", "CountNames", "SurfaceNames", "TableNames"}));
}

TEST(CoreMessageText, NamesAndThePositionFieldReadAsBefore) {
  const std::vector<std::string> surfaces = {"Boden", "Decke", "Wand", "Sockel - Boden", "Sockel - Decke", ""};
  for (int layer = 0; layer < static_cast<int>(surfaces.size()); ++layer)
    EXPECT_EQ(SurfaceName(layer), surfaces[layer]);
  EXPECT_EQ(SurfaceName(-1), "");
  EXPECT_EQ(TableName(MeshTable::Indices), "Indizes");
  EXPECT_EQ(TableName(MeshTable::None), "");
  EXPECT_EQ(PositionLabelText({}), "");
  EXPECT_EQ(PositionLabelText({GridPoint{12, 40}}), "12: 40");
  EXPECT_EQ(PositionLabelText({GridPoint{0, 63}, 5, 3}), "0: 63   5 × 3 Zellen, 640 × 384 Einheiten (16,0 m × 9,6 m)");
}

}  // namespace
}  // namespace tessmoor
