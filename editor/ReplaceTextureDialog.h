#pragma once
// "Textur ersetzen": the small dialog that chooses what replaces a texture's
// references, another texture of the table or none.

#include <QWidget>
#include <cstdint>
#include <optional>

#include "document/MapDocument.h"

namespace tessmoor {

// The chosen texture number or NoTexture; nothing when the user cancels.
std::optional<uint16_t> ChooseReplacementTexture(QWidget* parent, const MapDocument& document, int texture);

}  // namespace tessmoor
