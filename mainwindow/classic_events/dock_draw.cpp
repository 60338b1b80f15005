// The owner-drawn buttons and rows of the classic interface: the current draw and fill colours,
// line style and width, the active page and layer on their buttons, the colour swatches of the
// colour drop-downs and the page and layer rows. Everything is asked again on every paint, so
// the faces follow the state as soon as the control repaints.
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "platform/core/types.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "ui/skin/blitters.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr int32_t swatch_border_ = 0x808080;  // RGB(128, 128, 128)

struct named_value_ {
  int32_t value;
  const char* key;
};
const named_value_ colour_names[] = {
    {0x000000, "color.black"}, {0x0000FF, "color.red"},     {0x0096FF, "color.orange"}, {0x00C800, "color.green"},
    {0x00FFFF, "color.yellow"}, {0xFF0000, "color.blue"},   {0xFFC800, "color.sea"},    {0xFFFFFF, "color.white"},
    {-4, "color.bylayer"},      {-3, "color.byblock"},      {-2, "color.none"},         {-1, "color.auto"},
};
const named_value_ style_names[] = {{0, "style.solid"},   {1, "style.dash"},     {2, "style.dot"},
                                    {3, "style.dashdot"}, {4, "style.dash2dot"}, {-4, "style.bylayer"},
                                    {-3, "style.byblock"}};
const named_value_ width_names[] = {{1, "width.1"}, {2, "width.2"}, {3, "width.3"},        {4, "width.4"},
                                    {5, "width.5"}, {-4, "width.bylayer"}, {-3, "width.byblock"}};

template <size_t N>
std::string name_of_(const named_value_ (&table)[N], int32_t v) {
  for (const named_value_& n : table)
    if (n.value == v) return lang_text_(n.key);
  return {};
}

// The fixed colours of the drop-down rows, by the row key's ending.
struct row_colour_ {
  const char* ending;
  int32_t value;
};
const row_colour_ row_colours[] = {{".BLACK", 0x000000}, {".RED", 0x0000FF},  {".ORANGE", 0x0096FF},
                                   {".YELLOW", 0x00FFFF}, {".GREEN", 0x00C800}, {".BLUE", 0xFF0000},
                                   {".SEA", 0xFFC800},    {".WHITE", 0xFFFFFF}};

int32_t round_(double v) { return int32_t(round_even_(v)); }

void swatch_(dc_& dc, int32_t cx, int32_t cy, int32_t colour) {
  fill_rect_(dc, cx - 7, cy - 7, 13, 13, colour, swatch_border_);
}

void centred_icon_(dc_& dc, int32_t cx, int32_t cy, int32_t icon) {
  if (icon > 0) draw_table_icon_(dc, float(cx), float(cy), 16, icon, true_, true_, true_, -1, false_);
}

void corner_icon_(dc_& dc, int32_t x, int32_t y, int32_t icon) {
  if (icon > 0) draw_table_icon_(dc, float(x), float(y), 16, icon, false_, false_, true_, -1, false_);
}

// The button's text in the skin's button colour, centred across the item like a text box line
// (the text box's own line painter writes in the fixed menu colour, unreadable on dark skins).
void text_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, const std::string& text, bool vertical) {
  paint::ui_font_scope font(dc, vertical);
  dc.set_bk_mode_(bk_mode_::transparent_);
  dc.set_text_colour_(uint32_t(skin_palette_.color_btn_text_act));
  const int32_t L = dc.text_extent_("X").cy;
  if (vertical)
    dc.text_out_(paint::rnd(x + w / 2.0 + L / 2.0), y, text);
  else
    dc.text_out_(x, paint::rnd(y + h / 2.0 - L / 2.0), text);
}

std::string numbered_title_(int32_t n, const std::string& title, const char* no_name_key) {
  return std::to_string(n) + " - " + (title.empty() ? lang_text_(no_name_key) : title);
}

}  // namespace

void MDI_::xdocktb_UserDraw(int32_t, int32_t, const std::string& key_, const std::string&, int32_t, dc_* uhdc_,
                            int32_t ux_, int32_t uy_, int32_t uw_, int32_t uh_, int32_t um_, int16_t vert_) {
  if (!uhdc_) return;
  dc_& dc = *uhdc_;
  const bool vert = vert_ == true_;
  const int32_t cx = vert ? round_(ux_ + uw_ / 2.0 + 1) : round_(ux_ + um_ / 2.0 + 1);
  const int32_t cy = vert ? round_(uy_ + um_ / 2.0 + 1) : round_(uy_ + uh_ / 2.0 + 1);
  // The text beside (or, turned, below) the icon part; `at` more for the page and layer faces.
  auto label = [&](int32_t at, const std::string& text) {
    if (vert) text_(dc, ux_, uy_ + at, uw_, uh_, text, true);
    else text_(dc, ux_ + at, uy_, uw_, uh_, text, false);
  };
  const int32_t corner_y = vert ? uy_ + 4 : uy_ + 3;

  if (key_ == "COLOR1" || key_ == "COLOR2") {
    const int32_t v = key_ == "COLOR1" ? attr_dcolor_ : attr_fcolor_;
    switch (v) {
      case -4: centred_icon_(dc, cx, cy, icon_bylayer_); break;
      case -3: centred_icon_(dc, cx, cy, icon_byblock_); break;
      case -2: centred_icon_(dc, cx, cy, icon_none_); break;
      case -1: centred_icon_(dc, cx, cy, icon_auto_); break;
      default: swatch_(dc, cx, cy, v);
    }
    const std::string name = name_of_(colour_names, v);
    label(um_ + 2, name.empty() ? color_to_hex_(v) : name);
  } else if (key_ == "LSTYLE" || key_ == "LWIDTH") {
    const bool style = key_ == "LSTYLE";
    const int32_t v = style ? attr_style_ : attr_width_;
    const std::string name = style ? name_of_(style_names, v) : name_of_(width_names, v);
    // Codes outside the named ones (a style of 7) show neither icon nor text.
    if (name.empty()) return;
    centred_icon_(dc, cx, cy, style ? gui_fields_.style_icons_.at_(v) : gui_fields_.width_icons_.at_(v));
    label(um_ + 2, name);
  } else if (key_ == "PAGE") {
    const int16_t n = eng_.page_active_();
    corner_icon_(dc, ux_ + 4, corner_y, page_icon_);
    label(24, numbered_title_(n, eng_.page_title_(n), "common.page.noname"));
  } else if (key_ == "LAYER") {
    const int16_t n = eng_.layer_active_();
    corner_icon_(dc, ux_ + 4, corner_y, icon_layer_visible_(eng_.layer_atr_vis_(n)));
    const int32_t lock = icon_layer_enabled_(eng_.layer_atr_edt_(n));
    if (vert) corner_icon_(dc, ux_ + 4, uy_ + 20, lock);
    else corner_icon_(dc, ux_ + 20, uy_ + 3, lock);
    label(40, numbered_title_(n, eng_.layer_title_(n), "common.layer.noname"));
  }
}

void MDI_::xdocktb_ItmDraw(int32_t, const std::string& key_, const std::string& Item_, int32_t value_,
                           const std::string&, dc_* uhdc_, int32_t ux_, int32_t uy_, int32_t uw_, int32_t uh_,
                           int32_t um_) {
  if (!uhdc_) return;
  dc_& dc = *uhdc_;
  if (key_ == "COLOR1" || key_ == "COLOR2") {
    if (Item_.size() <= key_.size() || Item_.compare(0, key_.size(), key_) != 0) return;
    const std::string ending = Item_.substr(key_.size());
    for (const row_colour_& c : row_colours)
      if (ending == c.ending) swatch_(dc, round_(ux_ + um_ / 2.0), round_(uy_ + uh_ / 2.0), c.value);
  } else if (key_ == "PAGE") {
    const int16_t n = int16_t(value_);
    corner_icon_(dc, ux_ + 4, uy_ + 3, page_icon_);
    text_(dc, ux_ + 24, uy_, uw_, uh_, numbered_title_(n, eng_.page_title_(n), "common.page.noname"), false);
  } else if (key_ == "LAYER") {
    const int16_t n = int16_t(value_);
    corner_icon_(dc, ux_ + 4, uy_ + 3, icon_layer_visible_(eng_.layer_atr_vis_(n)));
    corner_icon_(dc, ux_ + 20, uy_ + 3, icon_layer_enabled_(eng_.layer_atr_edt_(n)));
    const int32_t draw = eng_.layer_atr_dcolor_(n), fill = eng_.layer_atr_fcolor_(n);
    // The colours sit in 13-pixel cells whose top-left corner the swatch or icon takes.
    if (draw >= 0) fill_rect_(dc, ux_ + 49, uy_ + 5, 13, 13, draw, swatch_border_);
    else corner_icon_(dc, ux_ + 49, uy_ + 5, icon_auto_);
    if (fill >= 0) fill_rect_(dc, ux_ + 69, uy_ + 5, 13, 13, fill, swatch_border_);
    else corner_icon_(dc, ux_ + 69, uy_ + 5, fill == -1 ? icon_auto_ : icon_none_);
    text_(dc, ux_ + 104, uy_, uw_, uh_, numbered_title_(n, eng_.layer_title_(n), "common.layer.noname"), false);
  }
}
