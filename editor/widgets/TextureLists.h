#pragma once
// What every texture list (a QComboBox of the texture table) shares: its items
// made from the one texture table model, each texture's first frame beside its
// text, and typing in the open list that jumps to the first texture whose name
// starts with the typed letters.

#include <QString>

class QComboBox;

namespace tessmoor {

class TextureTableModel;

// Sets up `list` once, after it is made. Its items show pictures when
// `textures` has them.
void MakeTextureList(QComboBox* list, const TextureTableModel& textures);

// What a list holds besides one item per texture.
struct TextureListItems {
  QString noTexture;      // the first item's text; it stands for no texture
  bool numbered = false;  // "3: Stein" in place of "Stein"
  int leftOut = -1;       // a texture the list does not offer
};

// Fills `list` anew: the item for no texture, then the textures in table order.
// Each item carries its texture number (NoTexture for the first) as its data,
// as QComboBox::addItem(text, number) would.
void FillTextureList(QComboBox* list, TextureTableModel& textures, const TextureListItems& items);

}  // namespace tessmoor
