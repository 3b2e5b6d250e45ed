#pragma once
// The user's favourite textures ("Favoriten"), the same in every map and every
// run: a texture is one when its name and frame names are those of one starred
// before, in whichever map and at whichever table position it is. Kept in the
// program's settings file; every open tab hears of a change through Changed.

#include <QObject>
#include <QSet>
#include <QString>

#include "document/MapDocument.h"

namespace tessmoor {

class FavouriteTextures : public QObject {
  Q_OBJECT

 public:
  // The process's one list, read from the settings file when first asked for.
  static FavouriteTextures& Instance();

  // A list of its own, as read from the settings file now.
  explicit FavouriteTextures(QObject* parent = nullptr);

  bool IsFavourite(const TextureEntry& entry) const;
  // Stars the texture or takes its star away, stores the list at once and tells Changed.
  void Toggle(const TextureEntry& entry);

 signals:
  void Changed();

 private:
  QSet<QString> keys_;
};

}  // namespace tessmoor
