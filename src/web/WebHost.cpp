// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebHost.h"

#include <cstddef>

namespace {
// Pixels of this colour are left out when the frame is shown.
constexpr Colour kTransparent{254, 0, 254};
}  // namespace

void WebHost::createFrame(int width, int height) {
  if (width <= 0 || height <= 0) {
    pixels.clear();
    rgba.clear();
    canvas.bind({});
    return;
  }
  const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  pixels.assign(count, 0xffffffffu);
  rgba.assign(count * 4, 255);
  canvas.bind({pixels.data(), width, height, width});
  canvas.setKeyColour(kTransparent);
}

void WebHost::present() {
  const std::uint32_t key = RasterCanvas::toPixel(kTransparent) & 0x00ffffffu;
  std::uint8_t* out = rgba.data();
  for (const std::uint32_t pixel : pixels) {
    if ((pixel & 0x00ffffffu) != key) {
      out[0] = static_cast<std::uint8_t>(pixel >> 16);
      out[1] = static_cast<std::uint8_t>(pixel >> 8);
      out[2] = static_cast<std::uint8_t>(pixel);
    }
    out += 4;
  }
}
