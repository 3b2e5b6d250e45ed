// Feeds arbitrary bytes to the clipboard block reader, as another process's
// clipboard may hold anything under our MIME type. It must not read out of
// bounds; a block it accepts writes back to exactly its bytes, names only the
// textures it carries, and pastes into a map and undoes without harm.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "document/ClipboardPayload.h"
#include "edit/CellBlocks.h"
#include "edit/ClipboardTransfer.h"

using namespace tessmoor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ClipboardPayload payload;
  if (!ReadClipboardPayload(payload, data, size)) {
    if (!payload.block.block.cells.empty()) std::abort();
    return 0;
  }
  const std::vector<uint8_t> written = ClipboardPayloadBytes(payload);
  if (written.size() != size || !std::equal(written.begin(), written.end(), data)) std::abort();

  static auto model = std::make_unique<DocumentModel>();
  EditorState editor;
  editor.programDirectory = "/nonexistent/";  // no pictures: the table work alone
  if (!TakePublishedBlock(*editor.clipboard, data, size)) return 0;
  for (size_t i = 0; i < static_cast<size_t>(editor.clipboard->width) * editor.clipboard->height; ++i) {
    for (const uint16_t texture : editor.clipboard->cells[i].texture) {
      if (texture != NoTexture && texture >= editor.clipboard->textures.size()) std::abort();
    }
  }
  editor.selection = {static_cast<int32_t>(payload.generation % GridSize), 0, 0, 0};
  if (PasteClipboard(*model, editor).ok) {
    for (const MapCell& cell : model->Map().cells) {
      for (const uint16_t texture : cell.texture) {
        if (texture != NoTexture && texture >= model->Map().textureCount) std::abort();
      }
    }
    if (!model->Undo()) std::abort();
  }
  return 0;
}
