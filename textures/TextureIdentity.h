#pragma once
// What makes a texture the same one to the user, in any map: the bytes of its
// name and of its frames' file names (Windows-1252). Its position in a table,
// its animation and its pictures' pixels are not part of it.

#include <string>
#include <vector>

#include "document/MapDocument.h"

namespace tessmoor {

struct TextureIdentity {
  std::string name;
  std::vector<std::string> frames;
  bool operator==(const TextureIdentity&) const = default;
};

TextureIdentity IdentityOf(const TextureEntry& entry);
// The identities of the table's entries, by position.
std::vector<TextureIdentity> TableIdentities(const MapDocument& document);

// The identity as printable ASCII that gives back every byte: the name's bytes
// in hexadecimal, then ':' and each frame name's bytes in hexadecimal.
std::string IdentityKey(const TextureIdentity& identity);

// Where each entry of the table `before` went in the table `after`, when one
// step inserted, removed or changed entries without reordering them: entry n
// is the new position of old position n, or -1 where the entry left. Entries
// keep their place by identity; where as many entries changed as stand between
// two kept ones, they are taken as changed in place (a rename, new frames).
std::vector<int> FollowTable(const std::vector<TextureIdentity>& before, const std::vector<TextureIdentity>& after);

}  // namespace tessmoor
