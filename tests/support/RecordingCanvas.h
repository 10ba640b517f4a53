// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A canvas that writes down every call with its integer arguments, so tests
// can check the geometry of a drawing exactly.

#include <string>
#include <vector>

#include "canvas/Canvas.h"

class RecordingCanvas final : public Canvas {
 public:
  void selectPen(const Pen& pen) override {
    log("pen " + std::to_string(static_cast<int>(pen.style)) + " " + std::to_string(pen.width) +
        " " + colour(pen.colour));
  }
  void selectBrush(const Brush& brush) override { log("brush " + colour(brush.colour)); }
  void selectFont(const Font& font) override {
    log("font " + font.face + " " + std::to_string(font.tenthsOfPoint));
  }
  void setTransparentBackground() override { log("transparent"); }
  void moveTo(int x, int y) override { log("move " + point(x, y)); }
  void lineTo(int x, int y) override { log("line " + point(x, y)); }
  void setPixel(int x, int y, Colour c) override {
    ++pixels;
    if (recordPixels) log("pixel " + point(x, y) + " " + colour(c));
  }
  void ellipse(int l, int t, int r, int b) override {
    log("ellipse " + point(l, t) + " " + point(r, b));
  }
  void fillRect(int x, int y, int w, int h, Colour c) override {
    log("fill " + point(x, y) + " " + point(w, h) + " " + colour(c));
  }
  void textOut(int x, int y, std::string_view text) override {
    log("text " + point(x, y) + " " + std::string(text));
  }
  void drawText(int l, int t, int r, int b, std::u16string_view text) override {
    lastUtf16 = std::u16string(text);
    log("drawtext " + point(l, t) + " " + point(r, b));
  }
  void angleArc(int x, int y, int radius, float start, float sweep) override {
    log("arc " + point(x, y) + " " + std::to_string(radius) + " " + std::to_string(start) + " " +
        std::to_string(sweep));
  }

  bool contains(const std::string& call) const {
    for (const auto& c : calls)
      if (c == call) return true;
    return false;
  }

  std::vector<std::string> calls;
  std::u16string lastUtf16;
  long pixels = 0;           // setPixel calls, recorded or not
  bool recordPixels = true;  // ten thousand a frame: tests of whole frames turn this off

 private:
  void log(std::string call) { calls.push_back(std::move(call)); }
  // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) about
  // "literal" + std::string.
  static std::string point(int x, int y) {
    std::string text = "(";
    text += std::to_string(x);
    text += ',';
    text += std::to_string(y);
    text += ')';
    return text;
  }
  static std::string colour(Colour c) {
    return std::to_string(c.red) + "/" + std::to_string(c.green) + "/" + std::to_string(c.blue);
  }
};
