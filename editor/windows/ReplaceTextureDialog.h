#pragma once
// "Textur ersetzen": the small dialog that chooses what replaces a texture's
// references, another texture of the table or none.

#include <QWidget>
#include <cstdint>
#include <optional>

#include "document/MapDocument.h"

namespace tessmoor {

class TexturePictureCache;

// The chosen texture number or NoTexture; nothing when the user cancels. The
// list shows the textures' pictures from `pictures`, none without.
std::optional<uint16_t> ChooseReplacementTexture(QWidget* parent, const MapDocument& document, int texture,
                                                 TexturePictureCache* pictures = nullptr);

}  // namespace tessmoor
