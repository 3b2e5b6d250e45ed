// The map check: one crafted map per finding, the order of the list, the
// shipped maps, and the face counts the capacity check relies on.

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "check/CheckTestMaps.h"
#include "check/MapCheck.h"
#include "compiler/CellGeometry.h"
#include "document/MapFile.h"
#include "texts/CheckTexts.h"
#include "tools/tmgen/CourtyardMap.h"
#include "tools/tmgen/SampleMap.h"

namespace tessmoor {

using namespace check_test;

// Readable failures: the line tmcompile would print.
void PrintTo(const MapFinding& finding, std::ostream* out) { *out << FindingLine(finding); }

namespace {

// A finding as the user reads it: the rows below name each finding by its words,
// so they check the code, its arguments and the text together.
struct WordedFinding {
  Severity severity = Severity::Hint;
  std::optional<GridPoint> cell;
  std::string text;

  bool operator==(const WordedFinding&) const = default;
};

void PrintTo(const WordedFinding& finding, std::ostream* out) {
  *out << SeverityName(finding.severity) << (finding.cell ? " " + CellText(*finding.cell) : "") << ": " << finding.text;
}

WordedFinding Worded(const MapFinding& finding) {
  return {finding.severity, finding.cell, FindingText(finding.message)};
}

std::vector<WordedFinding> Worded(const MapFindings& findings) {
  std::vector<WordedFinding> worded;
  for (const MapFinding& finding : findings) worded.push_back(Worded(finding));
  return worded;
}

struct SpoiltMap {
  const char* name;
  std::function<void(MapDocument&)> spoil;
  std::vector<WordedFinding> expected;
};

WordedFinding At(Severity severity, int x, int y, const char* text) { return {severity, GridPoint{x, y}, text}; }
WordedFinding Anywhere(Severity severity, const char* text) { return {severity, std::nullopt, text}; }

const Severity E = Severity::Error, W = Severity::Warning, H = Severity::Hint;

const SpoiltMap SpoiltMaps[] = {
    {"column without wall texture",
     [](MapDocument& m) { SetType(m.Cell(12, 14), CellType::Column); },
     {At(W, 12, 14, "Säule ohne Wandtextur")}},
    {"basin without wall texture",
     [](MapDocument& m) { SetType(m.Cell(13, 12), CellType::WaterBasin); },
     {At(W, 13, 12, "Wasserbecken ohne Wandtextur")}},
    {"window without wall texture",
     [](MapDocument& m) { SetType(m.Cell(11, 18), CellType::WindowVertical); },
     {At(W, 11, 18, "Fenster ohne Wandtextur")}},
    {"wall without texture beside an open floor",
     [](MapDocument& m) { m.Cell(RoomLow, 14).texture[SurfaceKind::Wall] = NoTexture; },
     {At(W, RoomLow, 14, "Wand ohne Wandtextur neben offener Zelle")}},
    {"buried and corner walls may carry a texture",
     [](MapDocument& m) {
       m.Cell(RoomHigh, RoomLow).texture[SurfaceKind::Wall] = WallTexture;
       SetType(m.Cell(30, 30), CellType::Wall);
       m.Cell(30, 30).texture[SurfaceKind::Wall] = WallTexture;
     },
     {}},
    {"a bare wall beside open cells without floor shows no hole",
     [](MapDocument& m) {
       m.Cell(11, 12).texture[SurfaceKind::Floor] = NoTexture;
       m.Cell(10, 12).texture[SurfaceKind::Wall] = NoTexture;
     },
     {}},
    {"ceiling corner below the floor",
     [](MapDocument& m) { m.Cell(13, 13).ceilingHeight[2] = -8; },
     {At(W, 13, 13, "Deckenecke unter dem Boden")}},
    {"water above the ceiling",
     [](MapDocument& m) {
       MapCell& basin = m.Cell(14, 12);
       SetType(basin, CellType::WaterBasin);
       basin.texture[SurfaceKind::Wall] = WallTexture;
       basin.ceilingHeight[1] = 100;
       basin.waterLevel = 101;
     },
     {At(W, 14, 12, "Wasserspiegel nicht zwischen Boden und Decke")}},
    {"water below the floor",
     [](MapDocument& m) {
       MapCell& basin = m.Cell(14, 12);
       SetType(basin, CellType::WaterBasin);
       basin.texture[SurfaceKind::Wall] = WallTexture;
       basin.waterLevel = -1;
     },
     {At(W, 14, 12, "Wasserspiegel nicht zwischen Boden und Decke")}},
    {"used texture without frames",
     [](MapDocument& m) { m.textures[CeilingTexture].frameCount = 0; },
     {At(W, 11, 11, "Textur „Decke“ hat keine Bilder")}},
    {"open floor on the grid edge",
     [](MapDocument& m) { m.Cell(0, 30).texture[SurfaceKind::Floor] = FloorTexture; },
     {At(W, 0, 30, "Offener Boden am Kartenrand")}},
    {"unused texture",
     [](MapDocument& m) {
       m.textureCount = 5;
       NameTexture(m, 4,
                   "\xDC"
                   "brig");  // stored as Windows-1252, shown as UTF-8
     },
     {Anywhere(H, "Textur „Übrig“ wird nicht benutzt")}},
    {"reference beyond the table",
     [](MapDocument& m) { m.Cell(12, 12).texture[SurfaceKind::PedestalCeiling] = 9; },
     {At(E, 12, 12, "Textur 9 (Sockel - Decke) fehlt in der Tabelle")}},
    {"start outside the grid",
     [](MapDocument& m) {
       m.startPosition = {64, 3};
     },
     {Anywhere(E, "Startposition 64: 3 liegt außerhalb der Karte")}},
    {"start inside a wall",
     [](MapDocument& m) {
       m.startPosition = {RoomLow, 12};
     },
     {At(E, RoomLow, 12, "Startposition in einer Wand")}},
    {"errors, then warnings, then hints; row by row",
     [](MapDocument& m) {
       m.textureCount = 5;
       NameTexture(m, 4, "");
       SetType(m.Cell(18, 11), CellType::Column);
       SetType(m.Cell(12, 14), CellType::Column);
       SetType(m.Cell(11, 14), CellType::WindowHorizontal);
       m.startPosition = {-1, 0};
     },
     {Anywhere(E, "Startposition -1: 0 liegt außerhalb der Karte"), At(W, 18, 11, "Säule ohne Wandtextur"),
      At(W, 11, 14, "Fenster ohne Wandtextur"), At(W, 12, 14, "Säule ohne Wandtextur"),
      Anywhere(H, "Textur 4 wird nicht benutzt")}},
};

TEST(MapCheckTest, CleanRoomHasNoFindings) { EXPECT_EQ(CheckMap(*CleanRoom()), MapFindings{}); }

TEST(MapCheckTest, EachSpoiltMapGivesExactlyItsFindings) {
  for (const SpoiltMap& row : SpoiltMaps) {
    auto map = CleanRoom();
    row.spoil(*map);
    EXPECT_EQ(Worded(CheckMap(*map)), row.expected) << row.name;
  }
}

TEST(MapCheckTest, FindingLinesNameSeverityCellAndMessage) {
  const MapFinding column{W, GridPoint{12, 40}, {FindingCode::ColumnWithoutWallTexture, {}}};
  EXPECT_EQ(FindingLine(column), "Warnung 12: 40: Säule ohne Wandtextur");
  const MapFinding unused{H, std::nullopt, {FindingCode::TextureUnused, {"4", ""}}};
  EXPECT_EQ(FindingLine(unused), "Hinweis: Textur 4 wird nicht benutzt");
  const MapFinding start{E, std::nullopt, {FindingCode::StartOutsideGrid, {"64", "3"}}};
  EXPECT_EQ(FindingLine(start), "Fehler: Startposition 64: 3 liegt außerhalb der Karte");
}

// Columns everywhere: twelve sides each, far beyond the polygon table, and the
// count is the full one although a compile would stop at the capacity.
TEST(MapCheckTest, TooManyPolygonsAreCountedInFull) {
  auto map = CleanRoom();
  for (MapCell& cell : map->cells) {
    SetCellDefaults(cell);
    SetType(cell, CellType::Column);
    cell.texture[SurfaceKind::Wall] = WallTexture;
  }
  const MapFindings findings = CheckMap(*map);
  ASSERT_FALSE(findings.empty());
  EXPECT_EQ(Worded(findings[0]), Anywhere(E, "49152 Polygone, höchstens 12000"));
  EXPECT_EQ(std::count_if(findings.begin(), findings.end(), [](const MapFinding& f) { return f.severity == E; }), 1);
}

// Ceiling steps in a checkerboard, each with its own texture offset: few
// polygons, but far more distinct texture coordinates than the table holds.
TEST(MapCheckTest, TooManyTextureCoordinatesAreAnError) {
  auto map = CleanRoom();
  int offset = 0;
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      MapCell& cell = map->Cell(x, y);
      SetCellDefaults(cell);
      for (float& corner : cell.ceilingHeight) corner = (x + y) % 2 ? 144.0f : 128.0f;
      cell.texture[SurfaceKind::PedestalCeiling] = StepTexture;
      cell.textureOffset[SurfaceKind::PedestalCeiling] = int16_t(offset++ % 2000);
    }
  }
  const MapFindings findings = CheckMap(*map);
  ASSERT_FALSE(findings.empty());
  EXPECT_EQ(Worded(findings[0]), Anywhere(E, "Mehr als 1000 Textur-Koordinaten, höchstens 1000"));
  EXPECT_FALSE(findings.size() > 1 && findings[1].severity == E);
}

std::unique_ptr<MapDocument> LoadShipped(const char* name) {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  const MapLoadOptions options{TM_BIN_DIR "/", false};
  EXPECT_TRUE(LoadMap(*map, TM_BIN_DIR "/Maps/" + std::string(name), options).ok) << name;
  return map;
}

// A check that lists harmless lines on our own maps teaches people to ignore it.
TEST(MapCheckTest, ShippedMapsHaveNoFindings) {
  for (const char* name : {SampleMapName, CourtyardMapName}) {
    const MapFindings findings = CheckMap(*LoadShipped(name));
    for (const MapFinding& finding : findings) ADD_FAILURE() << name << ": " << FindingLine(finding);
  }
}

// A bare wall is warned about exactly where giving it a wall texture makes the
// compile build faces for it.
// The map is dressed for the count and given back as it was.
void ExpectBareWallsWarnedWhereTheyWouldShowAFace(MapDocument& map, const ColumnProfile& profile) {
  const std::vector<WordedFinding> findings = Worded(CheckMap(map));
  const auto undressed = std::make_unique<std::array<MapCell, GridCells>>(map.cells);
  for (MapCell& cell : map.cells) {
    if (cell.type == uint8_t(CellType::Wall) && cell.texture[SurfaceKind::Wall] == NoTexture)
      cell.texture[SurfaceKind::Wall] = 0;
  }
  auto counts = std::make_unique<FaceCounts>();
  CountFaces(map, profile, *counts);
  map.cells = *undressed;
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      const MapCell& cell = map.Cell(x, y);
      const bool bare = cell.type == uint8_t(CellType::Wall) && cell.texture[SurfaceKind::Wall] == NoTexture;
      const bool wouldShow = bare && counts->cellPolygons[size_t(x * GridSize + y)] > 0;
      const bool warned =
          std::count(findings.begin(), findings.end(), At(W, x, y, "Wand ohne Wandtextur neben offener Zelle")) == 1;
      ASSERT_EQ(warned, wouldShow) << x << ":" << y;
    }
  }
}

// The counter must see exactly the faces the builder gets, cell by cell.
TEST(MapCheckTest, FaceCountsMatchTheCompile) {
  std::vector<std::unique_ptr<MapDocument>> maps;
  maps.push_back(LoadShipped(SampleMapName));
  maps.push_back(LoadShipped(CourtyardMapName));
  std::mt19937 random(13);
  for (int round = 0; round < 4; ++round) {
    auto map = CleanRoom();
    // A corner of the grid only, so the faces stay within the tables.
    for (int x = 0; x < 24; ++x) {
      for (int y = 0; y < 24; ++y) {
        MapCell& cell = map->Cell(x, y);
        cell.type = uint8_t(random() % CellTypeCount);
        cell.floorHeight = float(random() % 64);
        for (float& corner : cell.ceilingHeight) corner = float(64 + random() % 128);
        for (uint16_t& texture : cell.texture) texture = random() % 3 ? uint16_t(random() % 4) : NoTexture;
      }
    }
    maps.push_back(std::move(map));
  }
  const ColumnProfile profile = BuildColumnProfile();
  auto builder = std::make_unique<MeshBuilder>();
  auto counts = std::make_unique<FaceCounts>();
  for (const auto& map : maps) {
    ExpectBareWallsWarnedWhereTheyWouldShowAFace(*map, profile);
    builder->Reset();
    if (!CellGeometry(*map, profile, *builder)) continue;  // a random map may overflow; its counts cannot be compared
    CountFaces(*map, profile, *counts);
    EXPECT_EQ(counts->polygons, builder->PolygonCount());
    EXPECT_EQ(counts->indices, builder->IndexCount());
    for (int x = 0; x < GridSize; ++x)
      for (int y = 0; y < GridSize; ++y)
        ASSERT_EQ(counts->cellPolygons[size_t(x * GridSize + y)], builder->Summary(x, y).polygonCount) << x << ":" << y;
  }
}

}  // namespace

}  // namespace tessmoor
