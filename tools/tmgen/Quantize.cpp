#include "tools/tmgen/Quantize.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace tessmoor {

namespace {

using Colour = std::array<uint8_t, 3>;

struct Box {
  std::vector<Colour>::iterator first;
  std::vector<Colour>::iterator last;
  int Extent(int channel) const {
    const auto [low, high] = std::minmax_element(first, last, [channel](const Colour& a, const Colour& b) {
      return a[static_cast<size_t>(channel)] < b[static_cast<size_t>(channel)];
    });
    return (*high)[static_cast<size_t>(channel)] - (*low)[static_cast<size_t>(channel)];
  }
  int WidestChannel() const {
    int best = 0;
    for (int channel = 1; channel < 3; ++channel)
      if (Extent(channel) > Extent(best)) best = channel;
    return best;
  }
};

uint8_t ToByte(float component) { return static_cast<uint8_t>(std::lround(std::clamp(component, 0.0f, 255.0f))); }

// Dropping the low three bits must not leave all three components at zero.
Colour LiftFromBlack(Colour colour) {
  if (colour[0] < DarkestComponent && colour[1] < DarkestComponent && colour[2] < DarkestComponent)
    return {DarkestComponent, DarkestComponent, DarkestComponent};
  return colour;
}

std::vector<Colour> ToColours(const RgbPicture& picture) {
  std::vector<Colour> colours;
  colours.reserve(picture.pixels.size());
  for (const Rgb& pixel : picture.pixels)
    colours.push_back(LiftFromBlack({ToByte(pixel.r), ToByte(pixel.g), ToByte(pixel.b)}));
  return colours;
}

// Splits the box with the widest spread at its median until 256 boxes exist or
// no box holds more than one colour.
std::vector<Box> MedianCut(std::vector<Colour>& colours) {
  std::vector<Box> boxes{{colours.begin(), colours.end()}};
  while (boxes.size() < 256) {
    size_t widest = 0;
    int widestExtent = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      const int extent = boxes[i].Extent(boxes[i].WidestChannel());
      if (extent > widestExtent) {
        widest = i;
        widestExtent = extent;
      }
    }
    if (widestExtent == 0) break;
    Box box = boxes[widest];
    const size_t channel = static_cast<size_t>(box.WidestChannel());
    std::sort(box.first, box.last, [channel](const Colour& a, const Colour& b) { return a[channel] < b[channel]; });
    const auto middle = box.first + (box.last - box.first) / 2;
    boxes[widest] = {box.first, middle};
    boxes.push_back({middle, box.last});
  }
  return boxes;
}

PaletteColour Average(const Box& box) {
  std::array<long, 3> sum{};
  for (auto it = box.first; it != box.last; ++it)
    for (size_t c = 0; c < 3; ++c) sum[c] += (*it)[c];
  const long count = box.last - box.first;
  const Colour mean = LiftFromBlack({static_cast<uint8_t>(sum[0] / count), static_cast<uint8_t>(sum[1] / count),
                                     static_cast<uint8_t>(sum[2] / count)});
  return {mean[0], mean[1], mean[2]};
}

uint8_t Nearest(const Colour& colour, const std::array<PaletteColour, 256>& palette, size_t used) {
  size_t best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < used; ++i) {
    const int dr = colour[0] - palette[i].r, dg = colour[1] - palette[i].g, db = colour[2] - palette[i].b;
    const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<uint8_t>(best);
}

}  // namespace

IndexedPicture QuantizePicture(const RgbPicture& picture) {
  const std::vector<Colour> original = ToColours(picture);
  std::vector<Colour> working = original;
  const std::vector<Box> boxes = MedianCut(working);

  IndexedPicture result;
  result.width = picture.width;
  result.height = picture.height;
  for (size_t i = 0; i < boxes.size(); ++i) result.palette[i] = Average(boxes[i]);
  // Unused entries repeat the first colour rather than standing there as black.
  for (size_t i = boxes.size(); i < 256; ++i) result.palette[i] = result.palette[0];

  std::map<Colour, uint8_t> lookup;
  result.indices.reserve(original.size());
  for (const Colour& colour : original) {
    auto [it, inserted] = lookup.try_emplace(colour, 0);
    if (inserted) it->second = Nearest(colour, result.palette, boxes.size());
    result.indices.push_back(it->second);
  }
  return result;
}

}  // namespace tessmoor
