#include "editor/features/EditFeature.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "edit/BlockPlacement.h"
#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "edit/CellRamp.h"
#include "edit/ClipboardTransfer.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/features/ToolWindowsFeature.h"
#include "editor/mapview/BlockPlacementTool.h"
#include "editor/widgets/SystemClipboard.h"
#include "editor/windows/EditorPropertiesForm.h"
#include "editor/windows/RampDialog.h"
#include "texts/StepTexts.h"
#include "view/BlockPicture.h"
#include "view/EditingTools.h"

namespace tessmoor {

namespace {

QKeySequence Ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

const char* const UndoText = QT_TRANSLATE_NOOP("Befehle", "&Rückgängig");
const char* const RedoText = QT_TRANSLATE_NOOP("Befehle", "&Wiederherstellen");

}  // namespace

EditFeature::EditFeature(const FeatureContext& context, ToolWindowsFeature& toolWindows, BlockPlacementTool& placement)
    : context_(context), placement_(placement) {
  CommandRegistry& registry = context.registry;
  // Every command here is handed the session it acts on when it runs.
  using Context = const FeatureContext&;
  registry.Add({"EditUndo",
                UndoText,
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Nimmt den letzten Schritt zurück."),
                "&Bearbeiten",
                {Ctrl(Qt::Key_Z)},
                MainWindowScope,
                [](Context c) { return c.session.Model().History().CanUndo(); }},
               [](Context c) { c.session.Model().Undo(); });
  registry.Add({"EditRedo",
                RedoText,
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Stellt den zuletzt zurückgenommenen Schritt wieder her."),
                "&Bearbeiten",
                {Ctrl(Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                MainWindowScope,
                [](Context c) { return c.session.Model().History().CanRedo(); }},
               [](Context c) { c.session.Model().Redo(); });
  registry.Add({"EditFill",
                QT_TRANSLATE_NOOP("Befehle", "&Füllen"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Füllt die Auswahl mit der aktuellen Vorlage."),
                "&Bearbeiten",
                {QKeySequence(Qt::Key_Insert)}},
               [](Context c) { c.session.Editing().Fill(SelectedCells(c.session.Editor().selection)); });
  registry.Add({"EditCopy",
                QT_TRANSLATE_NOOP("Befehle", "&Kopieren"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Kopiert die ausgewählten Zellen."),
                "&Bearbeiten",
                {Ctrl(Qt::Key_Insert), Ctrl(Qt::Key_C)}},
               [this](Context c) {
                 c.session.Editing().Copy(SelectedCells(c.session.Editor().selection));
                 PublishBlock(*c.session.Editor().clipboard);
                 UpdatePasteActions();
               });
  const auto blockToPaste = [this](Context c) { return HasBlockToPaste(c.session); };
  registry.Add({"EditPaste",
                QT_TRANSLATE_NOOP("Befehle", "&Einfügen"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Fügt die kopierten Zellen an der Auswahl ein."),
                "&Bearbeiten",
                {QKeySequence(Qt::SHIFT | Qt::Key_Delete), Ctrl(Qt::Key_V)},
                MainWindowScope,
                blockToPaste},
               [this](Context c) { Paste(c); });
  registry.Add(
      {"EditPastePreview",
       QT_TRANSLATE_NOOP("Befehle", "Einfügen mit &Vorschau"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                         "Zeigt die kopierten Zellen als Vorschau, die man drehen, spiegeln und absetzen kann."),
       "&Bearbeiten",
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
       MainWindowScope,
       blockToPaste},
      [this](Context c) { PasteWithPreview(c); });
  registry.Add(
      {"EditSelection",
       QT_TRANSLATE_NOOP("Befehle", "&Auswahl bearbeiten..."),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Ändert Eigenschaften aller ausgewählten Zellen auf einmal."),
       "&Bearbeiten",
       {Ctrl(Qt::Key_E)}},
      [&toolWindows](Context c) {
        toolWindows.Bind(CellBinding::Range(SelectedCells(c.session.Editor().selection)));
        toolWindows.SetPropertiesVisible(true);
        // The user asked to edit the selection: the typing goes there, not to the map.
        toolWindows.ActivateProperties();
      });
  registry.Add({"EditRamp",
                QT_TRANSLATE_NOOP("Befehle", "Ra&mpe..."),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Legt eine gleichmäßige Rampe über die Auswahl."),
                "&Bearbeiten",
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)}},
               [this](Context c) { Ramp(c); });
  registry.Add(
      {"EditSmooth",
       QT_TRANSLATE_NOOP("Befehle", "&Glätten"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Gleicht die Deckenhöhen an den Ecken der ausgewählten Zellen an."),
       "&Bearbeiten",
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)}},
      [](Context c) { SmoothCeilings(c.session.Model(), SelectedCells(c.session.Editor().selection)); });
  registry.RefreshEnabled();
  UpdateHistoryActions();
  // Another process's copy makes the paste keys work here without opening the menu.
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditFeature::UpdatePasteActions);
  UpdatePasteActions();
  // The registry sets the plain command texts anew; the steps' names follow once it has.
  connect(&registry, &CommandRegistry::TextsRetranslated, this, &EditFeature::UpdateHistoryActions);
  context.session.Model().AddObserver(this);
}

EditFeature::~EditFeature() { context_.session.Model().RemoveObserver(this); }

void EditFeature::DocumentChanged(const DocumentChange& change) {
  if (change.Has(DocumentChangeFlag::HistoryChanged | DocumentChangeFlag::DocumentReplaced)) UpdateHistoryActions();
}

// The dialog starts from the last ramp asked for, so a series of slopes needs few edits.
// While it is open the plan shows the heights the ramp would give.
void EditFeature::Ramp(const FeatureContext& c) {
  const CellRange range = SelectedCells(c.session.Editor().selection);
  TFrmRamp dialog(c.window);
  dialog.OnChange = [&c, range](const RampSettings& ramp) { ShowRampPreview(c, range, &ramp); };
  const std::optional<RampSettings> ramp = dialog.AskRamp(lastRamp_);
  ShowRampPreview(c, range, nullptr);
  if (!ramp) return;
  lastRamp_ = *ramp;
  ApplyRamp(c.session.Model(), range, *ramp);
}

void EditFeature::ShowRampPreview(const FeatureContext& c, const CellRange& range, const RampSettings* ramp) {
  HeightPreview& preview = c.session.MapView().overlays.preview;
  preview.range = range;
  preview.cells = ramp ? RampBlock(c.session.Map(), range, *ramp) : nullptr;
  preview.surface = ramp && ramp->surface == RampSurface::Floor ? HeightSurface::Floor : HeightSurface::Ceiling;
  ++preview.revision;
  c.view.RedrawMapView();
}

// Writes the block at once at the selection's top-left cell; the selection
// becomes the pasted area.
void EditFeature::Paste(const FeatureContext& c) {
  EditorState& editor = c.session.Editor();
  if (TakeBlockFromSystem(*editor.clipboard)) foreignBlockWaiting_ = false;
  const PlacementResult result = PasteAtSelection(c.session.Model(), editor);
  if (result.ok) {
    c.session.Editing().Select(result.range);
    c.view.RefreshViews();
  }
  if (!IsEmpty(result.message)) c.session.Dialogs().ShowError(result.message);
}

bool EditFeature::HasBlockToPaste(const EditorSession& session) const {
  return !session.Editor().clipboard->IsEmpty() || foreignBlockWaiting_;
}

// Kept current on every copy, paste and clipboard change, so the paste shortcuts work without opening
// the menu. Reading the system clipboard may ask another process, so the enabled rules read the answer kept here.
void EditFeature::UpdatePasteActions() {
  const FeatureContext current = context_.registry.Context();
  foreignBlockWaiting_ = SystemHoldsForeignBlock(*current.session.Editor().clipboard);
  context_.registry.RefreshEnabled();
}

// The block shows at the selection's top-left cell and follows the pointer; Enter
// there writes exactly what the paste writes at once.
void EditFeature::PasteWithPreview(const FeatureContext& c) {
  EditorState& editor = c.session.Editor();
  if (TakeBlockFromSystem(*editor.clipboard)) foreignBlockWaiting_ = false;
  const CellClipboard& clipboard = *editor.clipboard;
  if (clipboard.IsEmpty()) return;
  if (!CopiedFrom(clipboard, c.session.Map())) return PlaceFromOtherMap(c, ClipboardStamp(clipboard));
  CellBlock block{clipboard.width, clipboard.height,
                  std::vector<MapCell>(clipboard.cells.get(),
                                       clipboard.cells.get() + size_t(clipboard.width) * size_t(clipboard.height))};
  const CellRange selected = SelectedCells(editor.selection);
  // The block goes where it was asked for, even should the window show another map by the time it is placed.
  EditorSession& session = c.session;
  MapViewHost& view = c.view;
  placement_.Start(block, MapThumbnails(session.Map()), {selected.x1, selected.y1},
                   [this, &session, &view, block](const Placement& placement) {
                     const PlacementResult result = PlaceBlock(session.Model(), block, placement, PasteStepName);
                     if (!result.ok) return;
                     session.Editing().Select(result.range);
                     // A paste is placed once; a stamp stays for the next placement.
                     placement_.Stop();
                     view.RefreshViews();
                   });
}

// A block from another map places as a stamp does: the preview shows its own
// textures' pictures, and placing brings along those the map lacks.
void EditFeature::PlaceFromOtherMap(const FeatureContext& c, Stamp stamp) {
  EditorSession& session = c.session;
  MapViewHost& view = c.view;
  const std::string& programDirectory = session.Editor().programDirectory;
  previewTextures_.clear();
  for (const StampTexture& texture : stamp.textures)
    previewTextures_.push_back(StampTextureEntry(texture, programDirectory));
  std::vector<const HiColorImage*> thumbnails;
  for (const TextureEntry& texture : previewTextures_) {
    thumbnails.push_back(texture.frameCount > 0 ? &texture.frames[0].thumbnail : nullptr);
  }
  const CellRange selected = SelectedCells(session.Editor().selection);
  auto placed = std::make_shared<const Stamp>(std::move(stamp));
  placement_.Start(placed->block, thumbnails, {selected.x1, selected.y1},
                   [this, &session, &view, placed](const Placement& placement) {
                     const PlacementResult result = PlaceStamp(session.Model(), *placed, placement,
                                                               session.Editor().programDirectory, PasteStepName);
                     if (!result.ok) {
                       if (!IsEmpty(result.message)) session.Dialogs().ShowError(result.message);
                       return;
                     }
                     session.Editing().Select(result.range);
                     placement_.Stop();
                     view.RefreshViews();
                   });
}

void EditFeature::UpdateHistoryActions() {
  // The menu names the steps of the map the commands would act on now.
  const UndoStack& history = context_.registry.Context().session.Model().History();
  QAction* undo = context_.registry.Action("EditUndo");
  QAction* redo = context_.registry.Action("EditRedo");
  undo->setEnabled(history.CanUndo());
  redo->setEnabled(history.CanRedo());
  const auto withStep = [](const char* text, std::optional<StepName> step, const std::string& label) {
    const QString command = QCoreApplication::translate("Befehle", text);
    return step ? QString("%1: %2").arg(command, QString::fromStdString(StepText(*step, label))) : command;
  };
  undo->setText(withStep(UndoText, history.UndoName(), history.UndoLabel()));
  redo->setText(withStep(RedoText, history.RedoName(), history.RedoLabel()));
}

}  // namespace tessmoor
