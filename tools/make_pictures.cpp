// Draws the program's own splash and about pictures and writes them, PNG-encoded, into a C++
// source file, so the program shows them from memory without any picture file beside it.
//
// Usage: make_pictures <output.cpp>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/file_io.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"
#include "platform/services/picture_file.h"
#include "platform/window/event_loop.h"

namespace {

uint32_t rgb(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }

// A drafting sheet: a blue gradient, a faint grid, a set square, a circle with its centre lines
// and the program's name.
surface_ draw_sheet(int32_t w, int32_t h, int32_t name_height, const char* subtitle) {
  surface_ s(w, h);
  dc_ dc(s);
  for (int32_t y = 0; y < h; ++y) {
    const double t = double(y) / double(h);
    dc.fill_rectangle_({0, y, w, y + 1}, rgb(int(28 + 30 * t), int(62 + 50 * t), int(120 + 60 * t)));
  }
  dc.select_pen_({pen_style_::solid_, 1, rgb(70, 110, 170)});
  for (int32_t x = 0; x < w; x += 20) {
    dc.move_to_(x, 0);
    dc.line_to_(x, h);
  }
  for (int32_t y = 0; y < h; y += 20) {
    dc.move_to_(0, y);
    dc.line_to_(w, y);
  }
  dc.select_pen_({pen_style_::solid_, 2, rgb(230, 240, 255)});
  dc.select_brush_({brush_style_::null_, 0});
  const pixel_point_ square[3] = {{w - 190, h - 40}, {w - 40, h - 40}, {w - 40, h - 150}};
  dc.polygon_(square, 3);
  dc.ellipse_(w - 170, 30, w - 70, 130);
  dc.select_pen_({pen_style_::dash_, 1, rgb(230, 240, 255)});
  dc.move_to_(w - 180, 80);
  dc.line_to_(w - 60, 80);
  dc.move_to_(w - 120, 20);
  dc.line_to_(w - 120, 140);
  dc.set_bk_mode_(bk_mode_::transparent_);
  dc.set_text_colour_(rgb(255, 255, 255));
  font_ f;
  f.height = name_height;
  f.weight = 700;
  dc.select_font_(f);
  dc.text_out_(30, h / 2 - name_height / 2, "Arvex");
  f.height = 14;
  f.weight = 400;
  dc.select_font_(f);
  dc.text_out_(32, h / 2 + name_height / 2 + 6, subtitle);
  return s;
}

std::string png_of(const surface_& s) {
  picture_image_rec_ img;
  img.width = s.width_();
  img.height = s.height_();
  img.argb.resize(size_t(img.width) * size_t(img.height));
  for (int32_t y = 0; y < img.height; ++y)
    for (int32_t x = 0; x < img.width; ++x) {
      const uint32_t c = s.colour_(x, y);  // 0x00BBGGRR
      img.argb[size_t(y) * size_t(img.width) + size_t(x)] =
          0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    }
  return encode_png_(img);
}

std::string as_array(const char* name, const std::string& bytes) {
  std::string out = "static const unsigned char " + std::string(name) + "[] = {";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 20 == 0) out += "\n ";
    out += " " + std::to_string(uint8_t(bytes[i])) + ",";
  }
  return out + "\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures <output.cpp>\n");
    return 2;
  }
  ensure_application_();
  const std::string splash = png_of(draw_sheet(500, 250, 72, "2D drafting"));
  const std::string about = png_of(draw_sheet(420, 200, 56, "2D drafting - about this program"));
  if (splash.empty() || about.empty()) {
    std::fprintf(stderr, "make_pictures: the pictures could not be encoded\n");
    return 1;
  }
  std::string src = "// Made by tools/make_pictures.cpp; do not edit.\n#include \"shell/program_pictures.h\"\n\n";
  src += as_array("splash_bytes", splash) + as_array("about_bytes", about);
  src += "std::string_view splash_picture_png_() { return {reinterpret_cast<const char*>(splash_bytes), "
         "sizeof splash_bytes}; }\n";
  src += "std::string_view about_picture_png_() { return {reinterpret_cast<const char*>(about_bytes), "
         "sizeof about_bytes}; }\n";
  if (!save_file_atomic_(argv[1], src)) {
    std::fprintf(stderr, "make_pictures: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
