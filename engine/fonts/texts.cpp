// Measuring and painting texts, and adding text and image objects.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/fonts/text_layout.h"
#include "engine/fonts/text_paint.h"
#include "engine/zaz_class.h"
#include "platform/core/codepage.h"
#include "platform/gdi/dc.h"

namespace {

// The glyph of the diameter mark that dimension texts use.
constexpr uint8_t diameter_code_ = 178;

// Glyph codes are Windows-1250 bytes; plain ASCII needs no conversion. The code page has no
// diameter sign, so the signs users type for it draw the fonts' diameter mark.
std::string_view glyph_codes(const std::string& text, std::string& scratch) {
  if (std::all_of(text.begin(), text.end(), [](char c) { return uint8_t(c) < 0x80; })) return text;
  scratch.clear();
  for (size_t pos = 0; pos < text.size();) {
    const char32_t cp = utf8_next_(text, pos);
    const int code = (cp == 0x2300 || cp == 0x00D8) ? diameter_code_ : unicode_to_cp1250_(cp);
    scratch.push_back(code < 0 ? '?' : char(code));
  }
  return scratch;
}

class dc_glyph_surface final : public glyph_surface_ {
 public:
  explicit dc_glyph_surface(dc_& target) : dc(target) {}
  void poly_polygon(const pixel_point_* p, const int32_t* counts, int32_t n) override {
    dc.poly_polygon_(p, counts, size_t(n));
  }
  void poly_polyline(const pixel_point_* p, const int32_t* counts, int32_t n) override {
    dc.poly_polyline_(p, counts, size_t(n));
  }

 private:
  dc_& dc;
};

bool in_range(float v) { return std::fabs(v) < coord_limit_; }

}  // namespace

void zaz_class_::measure_text_(int32_t font_id, const std::string& text, float x, float y,
                               float height, float width_factor, float angle, float& x1,
                               float& y1, float& x2, float& y2) const {
  x1 = x2 = x;
  y1 = y2 = y;
  const font_rec_* font = font_at_(fonts, font_id);
  if (text.empty() || !font) return;
  std::string scratch;
  text_box_ b = measure_text_box_(*font, glyph_codes(text, scratch), x, y, height, width_factor, angle);
  x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
}

void zaz_class_::draw_text_glyphs_(dc_& hdc, const view_transform_rec_& view, int32_t font_id,
                                   const std::string& text, float x, float y, float height,
                                   float width_factor, float angle) {
  const font_rec_* font = font_at_(fonts, font_id);
  if (text.empty() || !font) return;
  std::string scratch;
  dc_glyph_surface surface(hdc);
  paint_text_glyphs_(surface, *fonts.glyph_buffers, view, *font, glyph_codes(text, scratch), x, y,
                     height, width_factor, angle);
}

int32_t zaz_class_::add_text_(const std::string& text_, int32_t font_, float x0_, float y0_,
                              float th_, float ts_, float rot_, int32_t color_, int16_t style_,
                              int16_t width_, int32_t layer_) {
  if (!in_range(x0_) || !in_range(y0_)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_text_, color_, color_, style_, width_, layer_, s)) return 0;
  text_rec_ t;
  t.x = x0_;
  t.y = y0_;
  t.height = th_;
  t.width_factor = ts_;
  t.rotation = f32_(double(3.1415927f) / 180.0 * rot_);
  t.font = font_;
  t.text.reserve(text_.size());
  for (size_t i = 0; i < text_.size(); ++i) {
    t.text.push_back(text_[i]);
    if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;  // CR LF: one CR
  }
  object_rec_& o = object_(s.record);
  measure_text_(font_, t.text, t.x, t.y, t.height, t.width_factor, t.rotation, o.x1, o.y1, o.x2, o.y2);
  store.live.texts[s.entry] = std::move(t);
  return add_commit_(s);
}

int32_t zaz_class_::add_image_(const std::string& path_, float x0_, float y0_, float iw_, float ih_,
                               int32_t layer_) {
  if (!in_range(x0_) || !in_range(y0_) || !in_range(iw_) || !in_range(ih_)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_image_, 0, 0, 0, 1, layer_, s)) return 0;
  if (iw_ < 0) x0_ = f32_(double(x0_) - std::fabs(iw_)), iw_ = std::fabs(iw_);
  if (ih_ < 0) y0_ = f32_(double(y0_) - std::fabs(ih_)), ih_ = std::fabs(ih_);
  const float top = f32_(double(y0_) + ih_);
  image_rec_ im;
  im.p0x = x0_, im.p0y = top;
  im.p1x = f32_(double(x0_) + iw_), im.p1y = top;
  im.p2x = x0_, im.p2y = f32_(double(top) - ih_);
  const size_t first = path_.find_first_not_of(' ');
  im.path = first == std::string::npos ? std::string()
                                       : path_.substr(first, path_.find_last_not_of(' ') - first + 1);
  // Box of the parallelogram: the three stored corners and the fourth, p1 + p2 - p0.
  object_rec_& o = object_(s.record);
  const float x3 = f32_(double(im.p1x) + im.p2x - im.p0x), y3 = f32_(double(im.p1y) + im.p2y - im.p0y);
  o.x1 = std::min({im.p0x, im.p1x, im.p2x, x3});
  o.x2 = std::max({im.p0x, im.p1x, im.p2x, x3});
  o.y1 = std::min({im.p0y, im.p1y, im.p2y, y3});
  o.y2 = std::max({im.p0y, im.p1y, im.p2y, y3});
  store.live.images[s.entry] = std::move(im);
  return add_commit_(s);
}
