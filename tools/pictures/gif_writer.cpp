#include "gif_writer.hpp"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace pictures {
namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
  const char* why = GifErrorString(error);
  throw std::runtime_error("could not write " + path + ": " + (why ? why : "unknown GIF error"));
}

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// The smallest rectangle holding every pixel that differs between a and b;
// one pixel when none does (a GIF frame can't be empty).
Rect Changed(const GifByteType* a, const GifByteType* b) {
  int left = kWidth, right = -1, top = kHeight, bottom = -1;
  for (int y = 0; y < kHeight; ++y) {
    const GifByteType* ra = a + static_cast<std::size_t>(y) * kWidth;
    const GifByteType* rb = b + static_cast<std::size_t>(y) * kWidth;
    const auto mismatch = std::mismatch(ra, ra + kWidth, rb);
    if (mismatch.first == ra + kWidth) continue;
    int last = kWidth - 1;
    while (ra[last] == rb[last]) --last;
    left = std::min(left, static_cast<int>(mismatch.first - ra));
    right = std::max(right, last);
    top = std::min(top, y);
    bottom = y;
  }
  if (right < 0) return {0, 0, 1, 1};
  return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

void WriteGif(const std::string& path, const std::vector<Frame>& frames) {
  if (frames.empty()) throw std::runtime_error("no frames for " + path);
  const std::size_t area = static_cast<std::size_t>(kWidth) * kHeight;
  const std::size_t total = area * frames.size();

  // All frames stacked as one tall picture: quantising it gives one palette
  // and every frame's indices in one go.
  std::vector<GifByteType> red(total), green(total), blue(total), indices(total);
  for (std::size_t f = 0; f < frames.size(); ++f) {
    for (std::size_t i = 0; i < area; ++i) {
      const std::uint32_t argb = frames[f].pixels[i];
      red[f * area + i] = static_cast<GifByteType>(argb >> 16);
      green[f * area + i] = static_cast<GifByteType>(argb >> 8);
      blue[f * area + i] = static_cast<GifByteType>(argb);
    }
  }
  int colours = 256;
  std::vector<GifColorType> palette(256, GifColorType{0, 0, 0});
  if (GifQuantizeBuffer(kWidth, static_cast<unsigned>(kHeight * frames.size()), &colours,
                        red.data(), green.data(), blue.data(), indices.data(),
                        palette.data()) == GIF_ERROR) {
    throw std::runtime_error("could not reduce the colours of " + path);
  }

  // The median cut gives each palette entry the centre of its colour box;
  // the mean of the pixels it stands for is truer, and keeps large even
  // areas such as the background exactly the colour the page expects.
  std::vector<std::array<double, 4>> sums(256, {0, 0, 0, 0});
  for (std::size_t i = 0; i < total; ++i) {
    auto& sum = sums[indices[i]];
    sum[0] += red[i];
    sum[1] += green[i];
    sum[2] += blue[i];
    sum[3] += 1;
  }
  for (int c = 0; c < colours; ++c) {
    const auto& sum = sums[static_cast<std::size_t>(c)];
    if (sum[3] == 0) continue;
    palette[static_cast<std::size_t>(c)] = {static_cast<GifByteType>(std::lround(sum[0] / sum[3])),
                                            static_cast<GifByteType>(std::lround(sum[1] / sum[3])),
                                            static_cast<GifByteType>(std::lround(sum[2] / sum[3]))};
  }

  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (gif == nullptr) Fail(path, error);
  ColorMapObject* map = GifMakeMapObject(256, palette.data());
  const auto close = [&](bool failed) {
    int close_error = 0;
    const int status = EGifCloseFile(gif, &close_error);
    GifFreeMapObject(map);
    if (failed) Fail(path, error);
    if (status == GIF_ERROR) Fail(path, close_error);
  };
  EGifSetGifVersion(gif, true);
  if (map == nullptr || EGifPutScreenDesc(gif, kWidth, kHeight, 8, 0, map) == GIF_ERROR) {
    error = gif->Error;
    close(true);
  }

  for (std::size_t f = 0; f < frames.size(); ++f) {
    const GifByteType* now = indices.data() + f * area;
    const Rect r = f == 0 ? Rect{0, 0, kWidth, kHeight} : Changed(now - area, now);

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;  // each frame paints over the last
    control.UserInputFlag = false;
    control.DelayTime = frames[f].delay_cs;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);

    bool ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_ERROR &&
              EGifPutImageDesc(gif, r.x, r.y, r.w, r.h, false, nullptr) != GIF_ERROR;
    for (int y = r.y; ok && y < r.y + r.h; ++y) {
      ok = EGifPutLine(gif,
                       const_cast<GifByteType*>(now + static_cast<std::size_t>(y) * kWidth + r.x),
                       r.w) != GIF_ERROR;
    }
    if (!ok) {
      error = gif->Error;
      close(true);
    }
  }
  close(false);
}

}  // namespace pictures
