#pragma once
// "Textur ersetzen": the small dialog that chooses what replaces a texture's
// references, another texture of the table or none.

#include <QWidget>
#include <cstdint>
#include <optional>

namespace tessmoor {

class TextureTableModel;

// The chosen texture number or NoTexture; nothing when the user cancels. The
// list offers every texture of `textures` but `texture`, with the pictures
// `textures` has.
std::optional<uint16_t> ChooseReplacementTexture(QWidget* parent, TextureTableModel& textures, int texture);

}  // namespace tessmoor
