#include "check/TextureChecks.h"

#include <array>

#include "textures/TextureName.h"

namespace tessmoor {

namespace {

// A finding about one texture of the table: its number and its name in UTF-8.
FindingMessage AboutTexture(FindingCode code, const MapDocument& document, int texture) {
  return {code, {std::to_string(texture), TextureNameText(document.textures[static_cast<size_t>(texture)])}};
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
               FindingMessage{FindingCode::TextureNotInTable, {std::to_string(texture), std::to_string(layer)}}});
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
      findings.push_back({Severity::Hint, std::nullopt, AboutTexture(FindingCode::TextureUnused, document, texture)});
    } else if (document.textures[static_cast<size_t>(texture)].frameCount <= 0) {
      findings.push_back({Severity::Warning, user, AboutTexture(FindingCode::TextureWithoutFrames, document, texture)});
    }
  }
}

}  // namespace tessmoor
