// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebHost.h"

#include <bit>
#include <cstddef>

#include "canvas/Palette.h"

namespace {
// Pixels of this colour are left out when the frame is shown.
constexpr Colour kTransparent = palette::kTransparent;

// The picture's words are read by the page as bytes in memory order.
static_assert(std::endian::native == std::endian::little);

// 0xAARRGGBB to the word whose bytes in memory are red, green, blue, 255.
constexpr std::uint32_t rgbaWord(std::uint32_t pixel) {
  return 0xff000000u | (pixel & 0x0000ff00u) | ((pixel >> 16) & 0xffu) | ((pixel & 0xffu) << 16);
}
static_assert(rgbaWord(0xff102030u) == 0xff302010u);
}  // namespace

void WebHost::createFrame(int width, int height) {
  frameWidth = width > 0 && height > 0 ? width : 0;
  frameHeight = width > 0 && height > 0 ? height : 0;
  if (width <= 0 || height <= 0) {
    pixels.clear();
    rgba.clear();
    canvas.bind({});
    return;
  }
  const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  pixels.assign(count, 0xffffffffu);
  rgba.assign(count, 0xffffffffu);
  canvas.bind({pixels.data(), width, height, width});
  canvas.setKeyColour(kTransparent);
}

void WebHost::present() {
  const std::size_t count = pixels.size();
  const std::uint32_t* in = pixels.data();
  std::uint32_t* out = rgba.data();
  // A frame without the transparent colour (the usual one) is copied whole, without a test
  // per pixel.
  if (canvas.keyFree()) {
    for (std::size_t i = 0; i < count; ++i) out[i] = rgbaWord(in[i]);
    return;
  }
  const std::uint32_t key = RasterCanvas::toPixel(kTransparent) & 0x00ffffffu;
  for (std::size_t i = 0; i < count; ++i)
    if ((in[i] & 0x00ffffffu) != key) out[i] = rgbaWord(in[i]);
}
