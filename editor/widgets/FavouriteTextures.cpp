#include "editor/widgets/FavouriteTextures.h"

#include <QSettings>
#include <QStringList>

#include "editor/widgets/ProgramSettings.h"
#include "textures/TextureIdentity.h"

namespace tessmoor {

namespace {

// Each entry is an identity key: hexadecimal bytes, so no name is ever re-encoded.
constexpr const char* FavouritesKey = "Texturen/Favoriten";

QString KeyOf(const TextureEntry& entry) { return QString::fromLatin1(IdentityKey(IdentityOf(entry))); }

QSet<QString> StoredKeys() {
  const QStringList stored = ProgramSettings().value(FavouritesKey).toStringList();
  return QSet<QString>(stored.begin(), stored.end());
}

}  // namespace

FavouriteTextures& FavouriteTextures::Instance() {
  static FavouriteTextures* const instance = new FavouriteTextures;
  return *instance;
}

FavouriteTextures::FavouriteTextures(QObject* parent) : QObject(parent), keys_(StoredKeys()) {}

bool FavouriteTextures::IsFavourite(const TextureEntry& entry) const { return keys_.contains(KeyOf(entry)); }

void FavouriteTextures::Toggle(const TextureEntry& entry) {
  // Read again first: another editor process may have starred textures since.
  keys_ = StoredKeys();
  const QString key = KeyOf(entry);
  if (!keys_.remove(key)) keys_.insert(key);
  QStringList stored(keys_.begin(), keys_.end());
  stored.sort();
  ProgramSettings().setValue(FavouritesKey, stored);
  emit Changed();
}

}  // namespace tessmoor
