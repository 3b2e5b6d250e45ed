#pragma once
// The one place a texture's stored name becomes a Qt string.

#include <QString>

#include "textures/TextureName.h"

namespace tessmoor {

inline QString ShownTextureName(const TextureEntry& entry) { return QString::fromStdString(TextureNameText(entry)); }

}  // namespace tessmoor
