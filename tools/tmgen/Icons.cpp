#include "tools/tmgen/Icons.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <vector>

#include "tools/tmgen/Raster.h"

namespace tessmoor {

namespace {

// A colour with coverage; what a shape answers for one sample point.
struct Paint {
  Rgb colour;
  float alpha = 0.0f;
};

// Shapes are drawn in the unit square, so one description serves every size.
using Layer = std::function<Paint(float u, float v)>;

bool InRoundedRect(float u, float v, float left, float top, float right, float bottom, float radius) {
  if (u < left || u > right || v < top || v > bottom) return false;
  const float cu = std::clamp(u, left + radius, right - radius);
  const float cv = std::clamp(v, top + radius, bottom - radius);
  return (u - cu) * (u - cu) + (v - cv) * (v - cv) <= radius * radius;
}

float DistanceToSegment(float u, float v, float u1, float v1, float u2, float v2) {
  const float du = u2 - u1, dv = v2 - v1;
  const float t = std::clamp(((u - u1) * du + (v - v1) * dv) / (du * du + dv * dv), 0.0f, 1.0f);
  const float pu = u1 + t * du - u, pv = v1 + t * dv - v;
  return std::sqrt(pu * pu + pv * pv);
}

// The top-down map of a small level: walls round a floor, a basin, the start.
Paint MapMotif(float u, float v, float left, float top, float size) {
  constexpr int Cells = 4;
  // Rows top to bottom: W wall, F floor, B basin (water), S start.
  constexpr const char* Plan[Cells] = {"WWWW", "WFBW", "WSFF", "WWFW"};
  const float cu = (u - left) / size * Cells, cv = (v - top) / size * Cells;
  if (cu < 0 || cv < 0 || cu >= Cells || cv >= Cells) return {};
  const int column = static_cast<int>(cu), row = static_cast<int>(cv);
  const float fu = cu - column, fv = cv - row;
  if (fu < 0.07f || fv < 0.07f) return {Hex(0x2A2118), 1.0f};  // the grid between the cells
  switch (Plan[row][column]) {
    case 'W':
      return {(static_cast<int>(fv * 3) % 2 == 0) == (fu < 0.5f) ? Hex(0xB5542F) : Hex(0x9A4526), 1.0f};
    case 'B':
      return {Mix(Hex(0x3D8FD1), Hex(0x7CC3F0), fv), 1.0f};
    case 'S': {
      // An arrow pointing down the map, the way the player starts looking.
      const bool arrow = fv > 0.2f && fv < 0.85f && std::abs(fu - 0.5f) < (0.85f - fv) * 0.6f;
      return {arrow ? Hex(0xF2C230) : Hex(0xDCCBA4), 1.0f};
    }
    default:
      return {Hex(0xDCCBA4), 1.0f};
  }
}

Paint ApplicationIcon(float u, float v) {
  if (!InRoundedRect(u, v, 0.04f, 0.04f, 0.96f, 0.96f, 0.16f)) return {};
  if (Paint map = MapMotif(u, v, 0.17f, 0.17f, 0.66f); map.alpha > 0) return map;
  return {Mix(Hex(0x3B4756), Hex(0x1E252E), v), 1.0f};
}

// A sheet of paper with its top right corner folded, the usual document shape.
Paint Sheet(float u, float v) {
  constexpr float Left = 0.16f, Top = 0.05f, Right = 0.84f, Bottom = 0.95f, Fold = 0.2f;
  if (u < Left || u > Right || v < Top || v > Bottom) return {};
  const float intoCorner = (u - (Right - Fold)) - (v - Top);
  if (intoCorner > 0) return {};
  if (u > Right - Fold && v < Top + Fold && intoCorner > -0.035f) return {Hex(0x8C949E), 1.0f};
  const bool edge = u < Left + 0.025f || u > Right - 0.025f || v < Top + 0.025f || v > Bottom - 0.025f;
  return {edge ? Hex(0x8C949E) : Hex(0xF7F7F4), 1.0f};
}

Paint MapTypeIcon(float u, float v) {
  if (Paint map = MapMotif(u, v, 0.27f, 0.36f, 0.46f); map.alpha > 0) return map;
  return Sheet(u, v);
}

// A wire-frame block: the polygons the compile makes of a map.
Paint ModelTypeIcon(float u, float v) {
  struct Edge {
    float u1, v1, u2, v2;
  };
  constexpr float Cu = 0.5f, Top = 0.38f, Half = 0.2f, Rise = 0.1f, Height = 0.28f;
  const Edge edges[] = {
      {Cu, Top, Cu + Half, Top + Rise},
      {Cu + Half, Top + Rise, Cu, Top + 2 * Rise},
      {Cu, Top + 2 * Rise, Cu - Half, Top + Rise},
      {Cu - Half, Top + Rise, Cu, Top},
      {Cu - Half, Top + Rise, Cu - Half, Top + Rise + Height},
      {Cu + Half, Top + Rise, Cu + Half, Top + Rise + Height},
      {Cu, Top + 2 * Rise, Cu, Top + 2 * Rise + Height},
      {Cu - Half, Top + Rise + Height, Cu, Top + 2 * Rise + Height},
      {Cu + Half, Top + Rise + Height, Cu, Top + 2 * Rise + Height},
  };
  for (const Edge& edge : edges) {
    if (DistanceToSegment(u, v, edge.u1, edge.v1, edge.u2, edge.v2) < 0.03f) return {Hex(0x2F6DB5), 1.0f};
  }
  // The front faces filled, lit from the left.
  const bool below = v > Top + Rise && v < Top + 2 * Rise + Height;
  if (below && u > Cu - Half && u < Cu + Half) {
    const float slope = std::abs(u - Cu) / Half * Rise;
    if (v > Top + 2 * Rise - slope && v < Top + 2 * Rise + Height - slope) {
      return {u < Cu ? Hex(0xB9D3EE) : Hex(0x86ADD9), 1.0f};
    }
  }
  return Sheet(u, v);
}

// Anti-aliased by 4 x 4 samples a pixel, written as straight-alpha RGBA.
std::vector<uint8_t> Render(const Layer& icon, int size) {
  constexpr int Samples = 4;
  std::vector<uint8_t> pixels(static_cast<size_t>(size) * static_cast<size_t>(size) * 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Rgb sum;
      float coverage = 0;
      for (int sy = 0; sy < Samples; ++sy) {
        for (int sx = 0; sx < Samples; ++sx) {
          const Paint paint = icon((x + (sx + 0.5f) / Samples) / static_cast<float>(size),
                                   (y + (sy + 0.5f) / Samples) / static_cast<float>(size));
          sum = sum + paint.colour * paint.alpha;
          coverage += paint.alpha;
        }
      }
      uint8_t* out = &pixels[(static_cast<size_t>(y) * static_cast<size_t>(size) + static_cast<size_t>(x)) * 4];
      const float divisor = coverage > 0 ? coverage : 1.0f;
      out[0] = static_cast<uint8_t>(std::lround(std::clamp(sum.r / divisor, 0.0f, 255.0f)));
      out[1] = static_cast<uint8_t>(std::lround(std::clamp(sum.g / divisor, 0.0f, 255.0f)));
      out[2] = static_cast<uint8_t>(std::lround(std::clamp(sum.b / divisor, 0.0f, 255.0f)));
      out[3] = static_cast<uint8_t>(std::lround(coverage / (Samples * Samples) * 255.0f));
    }
  }
  return pixels;
}

bool WriteIcon(const Layer& icon, int size, const std::string& folder, const char* name, std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(folder, code);
  const std::string path = folder + "/" + name + ".png";
  const std::vector<uint8_t> pixels = Render(icon, size);
  if (code || !stbi_write_png(path.c_str(), size, size, 4, pixels.data(), size * 4)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace

bool WriteIcons(const std::string& hicolorDirectory, std::string& error) {
  for (int size : IconSizes) {
    const std::string folder = hicolorDirectory + "/" + std::to_string(size) + "x" + std::to_string(size);
    if (!WriteIcon(ApplicationIcon, size, folder + "/apps", ApplicationIconName, error) ||
        !WriteIcon(MapTypeIcon, size, folder + "/mimetypes", MapTypeIconName, error) ||
        !WriteIcon(ModelTypeIcon, size, folder + "/mimetypes", ModelTypeIconName, error)) {
      return false;
    }
  }
  return true;
}

}  // namespace tessmoor
