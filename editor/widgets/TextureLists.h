#pragma once
// What every texture list (a QComboBox of the texture table) shares: each
// texture's first frame beside its text, and typing in the open list that
// jumps to the first texture whose name starts with the typed letters.

#include <QString>

class QComboBox;

namespace tessmoor {

class TexturePictureCache;

// Sets up `list` once, after it is made. Without `pictures` its items get none.
void MakeTextureList(QComboBox* list, TexturePictureCache* pictures);

// Appends texture `index` showing `text`; typing matches `name`, and the item
// carries `index` as its data as QComboBox::addItem(text, index) would.
void AddTextureItem(QComboBox* list, const QString& text, const QString& name, int index,
                    TexturePictureCache* pictures);

}  // namespace tessmoor
