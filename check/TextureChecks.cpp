#include "check/TextureChecks.h"

#include <array>

#include "document/PascalString.h"
#include "document/Windows1252.h"
#include "textures/TextureUsage.h"

namespace tessmoor {

namespace {

// "Textur „Stein“"; a nameless texture by its number.
std::string TextureText(const MapDocument& document, int texture) {
  const std::string name = ReadPascalString(document.textures[static_cast<size_t>(texture)].name, TextureNameCapacity);
  if (name.empty()) return "Textur " + std::to_string(texture);
  return "Textur „" + Windows1252ToUtf8(name) + "“";
}

// The first cell, row by row, that refers to each texture of the table; the
// references beyond the table go into `findings` on the way.
std::array<std::optional<GridPoint>, MaxTextures> FirstUsers(const MapDocument& document, MapFindings& findings) {
  std::array<std::optional<GridPoint>, MaxTextures> first;
  for (int y = 0; y < GridSize; ++y) {
    for (int x = 0; x < GridSize; ++x) {
      const MapCell& cell = document.Cell(x, y);
      for (int layer = 0; layer < SurfaceCount; ++layer) {
        const uint16_t texture = cell.texture[layer];
        if (texture == NoTexture) continue;
        if (texture >= document.textureCount) {
          findings.push_back(
              {Severity::Error, GridPoint{x, y},
               "Textur " + std::to_string(texture) + " (" + SurfaceName(layer) + ") fehlt in der Tabelle"});
        } else if (!first[texture]) {
          first[texture] = GridPoint{x, y};
        }
      }
    }
  }
  return first;
}

}  // namespace

void CheckTextures(const MapDocument& document, MapFindings& findings) {
  const auto first = FirstUsers(document, findings);
  for (int texture = 0; texture < document.textureCount && texture < MaxTextures; ++texture) {
    const std::optional<GridPoint>& user = first[static_cast<size_t>(texture)];
    if (!user) {
      findings.push_back({Severity::Hint, std::nullopt, TextureText(document, texture) + " wird nicht benutzt"});
    } else if (document.textures[static_cast<size_t>(texture)].frameCount <= 0) {
      findings.push_back({Severity::Warning, user, TextureText(document, texture) + " hat keine Bilder"});
    }
  }
}

}  // namespace tessmoor
