// Calls into engine areas that may not be present in every build yet (new drawing, fonts,
// texts, dimensions). Each call uses the engine's own operation when the engine has it and
// a plain fallback on the engine's tables otherwise, so the import works either way.
#pragma once
#include <cmath>
#include <string>

#include "engine/zaz_class.h"
#include "shell/language.h"

namespace exchange_ {

inline bool in_limit_(double v) { return std::fabs(v) < coord_limit_; }

// A new drawing: with default_ the default page, one layer, the default dimension style
// and the stroke fonts.
template <class E>
void bridge_file_new_(E& e, bool default_) {
  if constexpr (requires(E& m) { m.file_new_(flag16_{}, std::string{}); }) {
    e.file_new_(to_flag_(default_), std::string{});
  } else {
    e.new_empty_drawing_();
    e.store.origin_x = e.store.origin_y = 0;
    if (default_) {
      e.page_add_(lang_text_("common.page.new"), 297, 210);
      e.layer_add_(lang_text_("common.layer.new"), true_, true_, color_auto_, color_none_, 0, 0);
      e.dimstyle_add_(lang_text_("common.dims.new"));
    }
  }
}

// The font id, 0 when fonts cannot be loaded in this build.
template <class E>
int32_t bridge_font_add_(E& e, const std::string& path) {
  if constexpr (requires(E& m) { m.font_add_(std::string{}); }) {
    return e.font_add_(path);
  } else {
    (void)e, (void)path;
    return 0;
  }
}

template <class E>
void bridge_font_id_(E& e, int32_t id) {
  if constexpr (requires(E& m) { m.font_id_(int32_t{}); }) {
    e.font_id_(id);
  } else {
    (void)e, (void)id;
  }
}

// Box of a text; an empty box at the origin without text measuring.
template <class E>
void bridge_measure_text_(E& e, int32_t font, const std::string& text, float h, float& x1,
                          float& y1, float& x2, float& y2) {
  x1 = y1 = x2 = y2 = 0;
  if constexpr (requires(E& m, float& o) {
                  m.measure_text_(int32_t{}, std::string{}, 0.f, 0.f, 0.f, 0.f, 0.f, o, o, o, o);
                }) {
    e.measure_text_(font, text, 0.f, 0.f, h, 1.f, 0.f, x1, y1, x2, y2);
  } else {
    (void)e, (void)font, (void)text, (void)h;
  }
}

template <class E>
int32_t bridge_add_text_(E& e, const std::string& text, int32_t font, float x, float y, float h,
                         float w, float rot_deg, int32_t color, int16_t style, int16_t width,
                         int32_t layer) {
  if constexpr (requires(E& m) {
                  m.add_text_(std::string{}, int32_t{}, 0.f, 0.f, 0.f, 0.f, 0.f, int32_t{},
                              int16_t{}, int16_t{}, int32_t{});
                }) {
    return e.add_text_(text, font, x, y, h, w, rot_deg, color, style, width, layer);
  } else {
    if (!in_limit_(x) || !in_limit_(y) || !std::isfinite(h) || !std::isfinite(w) ||
        !std::isfinite(rot_deg))
      return 0;
    add_slot_ s;
    if (!e.add_begin_(ot_text_, color, color, style, width, layer, s)) return 0;
    text_rec_ t;
    t.x = x, t.y = y, t.height = h, t.width_factor = w, t.font = font;
    t.rotation = f32_(rot_deg * (3.1415927 / 180.0));
    t.text = text;
    for (size_t at = 0; (at = t.text.find("\r\n", at)) != std::string::npos; ++at)
      t.text.erase(at + 1, 1);
    object_rec_& o = e.object_(s.record);
    e.text_extent_(t, x, y, t.rotation, o.x1, o.y1, o.x2, o.y2);
    e.store.live.texts[static_cast<size_t>(s.entry)] = std::move(t);
    return e.add_commit_(s);
  }
}

// A linear dimension record built from the style table; the builder runs when the engine has
// one, else the record keeps its points, length and style copy for a later build.
template <class E>
int32_t bridge_add_dimf_(E& e, int32_t style, float x1, float y1, float x2, float y2, float x3,
                         float y3, float x4, float y4, int32_t color, int32_t layer,
                         const std::string& text) {
  if constexpr (requires(E& m) {
                  m.add_dimf_(int32_t{}, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, int32_t{},
                              int16_t{}, int16_t{}, int32_t{}, std::string{});
                }) {
    return e.add_dimf_(style, x1, y1, x2, y2, x3, y3, x4, y4, 0.f, color, int16_t{0},
                       int16_t{1}, layer, text);
  } else {
    (void)text;
    for (float v : {x1, y1, x2, y2, x3, y3, x4, y4})
      if (!in_limit_(v)) return 0;
    if (style < 0 || style >= static_cast<int32_t>(e.styles.styles.size())) return 0;
    add_slot_ s;
    if (!e.add_begin_(ot_dimension_, color, color_none_, 0, 1, layer, s)) return 0;
    dimension_rec_ d;
    d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2, d.x3 = x3, d.y3 = y3, d.x4 = x4, d.y4 = y4;
    d.length = f32_(std::hypot(double(x4) - x3, double(y4) - y3));
    d.style_id = style;
    d.style = e.styles.styles[static_cast<size_t>(style)];
    e.store.live.dimensions[static_cast<size_t>(s.entry)] = std::move(d);
    const int32_t r = e.add_commit_(s);
    if (r > 0) e.calc_orect_(r);
    return r;
  }
}

// Builds a dimension record again after its kind changed, with the user text it was added
// with; true when the engine has a builder.
template <class E>
bool bridge_dim_rebuild_(E& e, int32_t record, const std::string& text) {
  const object_rec_& o = e.object_(record);
  if (o.type != ot_dimension_ || o.index < 1 ||
      static_cast<size_t>(o.index) >= e.store.live.dimensions.size())
    return false;
  if constexpr (requires(E& m, dimension_rec_& d) { m.dim_build_linear_(d, std::string{}); }) {
    e.dim_build_linear_(e.store.live.dimensions[static_cast<size_t>(o.index)], text);
    e.calc_orect_(record);
    return true;
  } else {
    (void)text;
    return false;
  }
}

}  // namespace exchange_
