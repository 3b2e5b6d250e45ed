#include "preview/PreviewMath.h"

namespace tessmoor {

Mat4 Multiply(const Mat4& a, const Mat4& b) {
  Mat4 result{};
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) sum += a[size_t(k * 4 + r)] * b[size_t(c * 4 + k)];
      result[size_t(c * 4 + r)] = sum;
    }
  }
  return result;
}

}  // namespace tessmoor
