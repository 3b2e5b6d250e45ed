#include "textures/TextureIdentity.h"

#include <algorithm>

#include "document/PascalString.h"
#include "textures/TextureName.h"

namespace tessmoor {

namespace {

void AppendHex(std::string& key, const std::string& bytes) {
  static constexpr char Digits[] = "0123456789abcdef";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    key += Digits[byte >> 4];
    key += Digits[byte & 15];
  }
}

// The lengths of the longest common subsequences of before[b..] and after[a..].
std::vector<std::vector<int>> CommonSuffixLengths(const std::vector<TextureIdentity>& before,
                                                  const std::vector<TextureIdentity>& after, size_t from,
                                                  size_t beforeEnd, size_t afterEnd) {
  std::vector<std::vector<int>> lengths(beforeEnd - from + 1, std::vector<int>(afterEnd - from + 1, 0));
  for (size_t b = beforeEnd; b-- > from;) {
    for (size_t a = afterEnd; a-- > from;) {
      int& here = lengths[b - from][a - from];
      here = before[b] == after[a] ? lengths[b - from + 1][a - from + 1] + 1
                                   : std::max(lengths[b - from + 1][a - from], lengths[b - from][a - from + 1]);
    }
  }
  return lengths;
}

// Pairs the entries of one gap between kept entries when the gap has as many on both sides.
void PairGap(std::vector<int>& target, size_t b, size_t bEnd, size_t a, size_t aEnd) {
  if (bEnd - b != aEnd - a) return;
  for (; b < bEnd; ++b, ++a) target[b] = static_cast<int>(a);
}

}  // namespace

TextureIdentity IdentityOf(const TextureEntry& entry) {
  TextureIdentity identity{TextureNameBytes(entry), {}};
  const int frames = std::clamp(entry.frameCount, 0, MaxFrames);
  for (int k = 0; k < frames; ++k) {
    identity.frames.push_back(ReadPascalString(entry.frames[static_cast<size_t>(k)].fileName, FrameNameCapacity));
  }
  return identity;
}

std::vector<TextureIdentity> TableIdentities(const MapDocument& document) {
  std::vector<TextureIdentity> table;
  const int count = std::clamp(document.textureCount, 0, MaxTextures);
  for (int t = 0; t < count; ++t) table.push_back(IdentityOf(document.textures[static_cast<size_t>(t)]));
  return table;
}

std::string IdentityKey(const TextureIdentity& identity) {
  std::string key;
  AppendHex(key, identity.name);
  for (const std::string& frame : identity.frames) {
    key += ':';
    AppendHex(key, frame);
  }
  return key;
}

std::vector<int> FollowTable(const std::vector<TextureIdentity>& before, const std::vector<TextureIdentity>& after) {
  std::vector<int> target(before.size(), -1);
  // A step touches a few entries: what lies before and behind them is matched directly.
  size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) {
    target[head] = static_cast<int>(head);
    ++head;
  }
  size_t beforeEnd = before.size(), afterEnd = after.size();
  while (beforeEnd > head && afterEnd > head && before[beforeEnd - 1] == after[afterEnd - 1]) {
    target[--beforeEnd] = static_cast<int>(--afterEnd);
  }
  const auto lengths = CommonSuffixLengths(before, after, head, beforeEnd, afterEnd);
  size_t b = head, a = head, gapB = head, gapA = head;
  while (b < beforeEnd && a < afterEnd) {
    if (before[b] == after[a]) {
      PairGap(target, gapB, b, gapA, a);
      target[b++] = static_cast<int>(a++);
      gapB = b;
      gapA = a;
    } else if (lengths[b - head + 1][a - head] >= lengths[b - head][a - head + 1]) {
      ++b;
    } else {
      ++a;
    }
  }
  PairGap(target, gapB, beforeEnd, gapA, afterEnd);
  return target;
}

}  // namespace tessmoor
