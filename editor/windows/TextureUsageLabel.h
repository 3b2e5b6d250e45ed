#pragma once
// The texture editor's line on how much of the map uses the current texture.

#include <QString>

#include "document/MapDocument.h"

class QLabel;
class QWidget;

namespace tessmoor {

// "In 12 Zellen benutzt:" and one line per layer; empty without a texture.
QString TextureUsageText(const MapDocument& document, int texture);

// The label "LblUsage", below the preview.
QLabel* MakeUsageLabel(QWidget* parent);

}  // namespace tessmoor
