#pragma once
// The names of a cell's values as the windows show them. The properties window
// and Suchen und Ersetzen take them from here, so one field never has two names.

#include <QCoreApplication>
#include <QString>
#include <array>

#include "document/MapDocument.h"

namespace tessmoor {

// The entry for "no texture" (NoTexture) in every texture list.
inline QString NoTextureText() { return QCoreApplication::translate("CellFieldNames", "(keine)"); }

// Texts of the context "CellFieldNames": show them through
// QCoreApplication::translate("CellFieldNames", name).
inline constexpr std::array<const char*, CellTypeCount> CellTypeTexts = {
    QT_TRANSLATE_NOOP("CellFieldNames", "Nichts (Boden/Decke)"),
    QT_TRANSLATE_NOOP("CellFieldNames", "Wand"),
    QT_TRANSLATE_NOOP("CellFieldNames", "Säule"),
    QT_TRANSLATE_NOOP("CellFieldNames", "Wasserbecken"),
    QT_TRANSLATE_NOOP("CellFieldNames", "Fenster (Horizontal)"),
    QT_TRANSLATE_NOOP("CellFieldNames", "Fenster (Vertikal)")};

inline constexpr const char* FloorHeightName = QT_TRANSLATE_NOOP("CellFieldNames", "Bodenhöhe");
inline constexpr const char* CeilingHeightName = QT_TRANSLATE_NOOP("CellFieldNames", "Deckenhöhe");
inline constexpr const char* WaterLevelName = QT_TRANSLATE_NOOP("CellFieldNames", "Wasserspiegel");
inline constexpr const char* OpacityName = QT_TRANSLATE_NOOP("CellFieldNames", "Opazität");

}  // namespace tessmoor
