#pragma once
// The names of a cell's values as the windows show them. The properties window
// and Suchen und Ersetzen take them from here, so one field never has two names.

#include <QString>
#include <array>

#include "document/MapDocument.h"

namespace tessmoor {

// The entry for "no texture" (NoTexture) in every texture list.
inline QString NoTextureText() { return QStringLiteral("(keine)"); }

inline constexpr std::array<const char*, CellTypeCount> CellTypeTexts = {
    "Nichts (Boden/Decke)", "Wand", "Säule", "Wasserbecken", "Fenster (Horizontal)", "Fenster (Vertikal)"};

inline constexpr const char* FloorHeightName = "Bodenhöhe";
inline constexpr const char* CeilingHeightName = "Deckenhöhe";
inline constexpr const char* WaterLevelName = "Wasserspiegel";
inline constexpr const char* OpacityName = "Opazität";

}  // namespace tessmoor
