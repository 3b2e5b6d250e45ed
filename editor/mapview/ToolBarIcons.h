#pragma once
// The tool bar's pictures, drawn in code so the program needs no icon files.

#include <QIcon>

namespace tessmoor {

QIcon OpenIcon();
QIcon SaveIcon();
QIcon SelectIcon();
QIcon BrushIcon();
QIcon RectangleIcon();
QIcon FillIcon();
QIcon PropertiesIcon();
QIcon TextureEditorIcon();

}  // namespace tessmoor
