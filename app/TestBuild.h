#pragma once
// The model a test run plays: the map as it is in the editor, saved or not,
// compiled into the run's own folder. "Ab hier" moves the start in the compile's
// copy only; the document, its modified state and its history never see it.

#include <memory>
#include <optional>
#include <string>

#include "check/MapFinding.h"
#include "compiler/CompileLog.h"
#include "compiler/CompileMap.h"
#include "document/MapDocument.h"

namespace tessmoor {

enum class StartCellProblem { OutsideGrid, Wall };

// Why the player cannot start in `cell`; nothing when the cell is fine.
std::optional<StartCellProblem> CheckStartCell(const MapDocument& document, GridPoint cell);

// The model's file name in the run folder: the map's own name with the
// extension "tcm", without folders.
std::string TestModelName(const MapDocument& document);

// A copy of what the compile reads (cells, start, texture table without the
// thumbnails), for a compile that must differ from the document.
std::unique_ptr<MapDocument> CopyForCompile(const MapDocument& document);

// Compiles the document to `modelPath` with the start in `startCell` when one
// is given (refused cells are the caller's to catch first). A map the map check
// finds a Fehler in is not compiled: its errors go into `errors` and the log is
// cleared. False when the model was not written; the log or `errors` say why.
bool BuildTestModel(const MapDocument& document, std::optional<GridPoint> startCell, const std::string& modelPath,
                    MapCompiler& compiler, CompileLog& log, MapFindings& errors);

}  // namespace tessmoor
