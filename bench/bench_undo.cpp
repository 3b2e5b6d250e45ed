// What the undo history costs: a full-grid fill executed and undone, a
// full-grid ceiling ramp applied and undone, a texture
// deleted and brought back on the shipped sample map, a paste from the sample
// map that brings its 20 textures into an empty map, and a single-cell paint
// whose change notification redraws the view at 1080p, against the redraw alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "document/MapFile.h"
#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "edit/CellRamp.h"
#include "edit/TextureCommands.h"
#include "graphics/RenderSurface.h"
#include "view/MapView.h"

using namespace tessmoor;

namespace {

MapCell CellOfType(int type) {
  MapCell cell;
  SetCellDefaults(cell);
  cell.type = static_cast<uint8_t>(type);
  return cell;
}

void BM_FullGridFillAndUndo(benchmark::State& state) {
  DocumentModel model;
  int type = 0;
  for (auto _ : state) {
    FillCells(model, WholeGrid, CellOfType(++type % CellTypeCount));
    model.Undo();
  }
  benchmark::DoNotOptimize(model.Map().cells.data());
}
BENCHMARK(BM_FullGridFillAndUndo)->Unit(benchmark::kMicrosecond);

// A ceiling ramp over the whole grid and its undo step: the block is built once
// and swapped in and back.
void BM_FullGridRampAndUndo(benchmark::State& state) {
  DocumentModel model;
  float end = 0.0f;
  for (auto _ : state) {
    ApplyRamp(model, WholeGrid, {RampSurface::Ceiling, RampDirection::Down, 0.0f, end += 1.0f});
    model.Undo();
  }
  benchmark::DoNotOptimize(model.Map().cells.data());
}
BENCHMARK(BM_FullGridRampAndUndo)->Unit(benchmark::kMicrosecond);

// The sample map with one texture more that no cell uses, deleted from the
// front half of the table so most entries move.
void BM_SampleTextureDeleteAndUndo(benchmark::State& state) {
  DocumentModel model;
  MapFileResult loaded;
  model.Replace([&](MapDocument& document) {
    loaded = LoadMap(document, TM_BIN_DIR "/Maps/Sample.tmm", MapLoadOptions{TM_BIN_DIR "/", true});
  });
  if (!loaded.ok) {
    state.SkipWithError("no sample map");
    return;
  }
  const auto clipboard = std::make_shared<CellClipboard>();
  AddTexture(model);
  const int texture = model.Map().textureCount - 1;
  for (auto _ : state) {
    DeleteTexture(model, texture, clipboard);
    model.Undo();
  }
  state.counters["textures"] = model.Map().textureCount;
}
BENCHMARK(BM_SampleTextureDeleteAndUndo)->Unit(benchmark::kMicrosecond);

// A block of 20 cells, cell k showing the sample's texture k, copied there and
// pasted into a map without textures: every texture is appended, its pictures
// read from GFX/ (or, with the argument 0, from nowhere: the table work alone).
void BM_PasteCarryingTwentyTextures(benchmark::State& state) {
  DocumentModel source, target;
  MapFileResult loaded;
  source.Replace([&](MapDocument& document) {
    loaded = LoadMap(document, TM_BIN_DIR "/Maps/Sample.tmm", MapLoadOptions{TM_BIN_DIR "/", true});
    for (int k = 0; k < 20; ++k) document.Cell(k, 0).texture[SurfaceKind::Floor] = static_cast<uint16_t>(k);
  });
  if (!loaded.ok || source.Map().textureCount < 20) {
    state.SkipWithError("no sample map with 20 textures");
    return;
  }
  EditorState sourceEditor, targetEditor;
  sourceEditor.selection = {0, 0, 19, 0};
  CopySelection(source.Map(), sourceEditor);
  targetEditor.clipboard = sourceEditor.clipboard;
  targetEditor.programDirectory = state.range(0) ? TM_BIN_DIR "/" : "/nonexistent/";
  for (auto _ : state) {
    targetEditor.selection = {10, 10, 10, 10};
    PasteClipboard(target, targetEditor);
    target.Undo();
  }
  state.counters["added"] = PasteClipboard(target, targetEditor).addedTextures;
}
BENCHMARK(BM_PasteCarryingTwentyTextures)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The view redraws itself from the document's change notification, as the main window does.
struct RedrawingObserver : DocumentObserver {
  const DocumentModel* model = nullptr;
  EditorState* editor = nullptr;
  ViewGeometry view{1920, 1080, 16, 16};
  void DocumentChanged(const DocumentChange&) override { RedrawView(model->Map(), *editor, view); }
};

void BM_PaintWithRedrawAt1080p(benchmark::State& state) {
  DocumentModel model;
  EditorState editor;
  RedrawingObserver observer;
  observer.model = &model;
  observer.editor = &editor;
  model.AddObserver(&observer);
  CreateSurface(1920, 1080, nullptr);
  int type = 0;
  for (auto _ : state) SetCell(model, {3, 3}, CellOfType(++type % CellTypeCount), PaintStepName);
  model.RemoveObserver(&observer);
  DestroySurface();
}
BENCHMARK(BM_PaintWithRedrawAt1080p)->Unit(benchmark::kMicrosecond);

void BM_RedrawAloneAt1080p(benchmark::State& state) {
  DocumentModel model;
  EditorState editor;
  CreateSurface(1920, 1080, nullptr);
  for (auto _ : state) RedrawView(model.Map(), editor, ViewGeometry{1920, 1080, 16, 16});
  DestroySurface();
}
BENCHMARK(BM_RedrawAloneAt1080p)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
