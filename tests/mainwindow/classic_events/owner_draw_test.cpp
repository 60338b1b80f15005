// The owner-drawn buttons and rows of the classic interface, painted on image-backed contexts
// and compared pixel for pixel with the icons, swatches and texts where they belong.
#include "classic_fixture.h"
#include "shell/language.h"
#include "ui/skin/blitters.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr uint32_t back = 0xF0F0F0;

struct canvas {
  surface_ s;
  dc_ dc;
  canvas(int32_t w, int32_t h) : s(w, h), dc(s) { s.fill_colour_(back); }
  void icon(int32_t x, int32_t y, int32_t id, bool centred) {
    draw_table_icon_(dc, float(x), float(y), 16, id, to_flag_(centred), to_flag_(centred), true_, -1, false_);
  }
  // A line centred across the item in the skin's button text colour, turned in a side dock.
  void text(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& t, bool vertical = false) {
    paint::ui_font_scope font(dc, vertical);
    dc.set_bk_mode_(bk_mode_::transparent_);
    dc.set_text_colour_(uint32_t(skin_palette_.color_btn_text_act));
    const int32_t L = dc.text_extent_("X").cy;
    if (vertical) dc.text_out_(paint::rnd(x + w / 2.0 + L / 2.0), y, t);
    else dc.text_out_(x, paint::rnd(y + h / 2.0 - L / 2.0), t);
  }
};

// The first pixel where two renderings differ, or "" when they are the same.
std::string first_difference(const surface_& a, const surface_& b) {
  for (int32_t y = 0; y < a.height_(); ++y)
    for (int32_t x = 0; x < a.width_(); ++x)
      if (a.colour_(x, y) != b.colour_(x, y)) return std::to_string(x) + "," + std::to_string(y);
  return {};
}

}  // namespace

class classic_owner_draw : public classic_fixture {
 protected:
  void button(canvas& c, const char* key, int32_t x, int32_t y, int32_t w, int32_t h, bool vertical = false) {
    mdi->xdocktb_UserDraw(5, tb().key2id_(key), key, key, 0, &c.dc, x, y, w, h, 25, to_flag_(vertical));
  }
  void item(canvas& c, const char* key, const char* row, int32_t value, int32_t x, int32_t y, int32_t w, int32_t h) {
    mdi->xdocktb_ItmDraw(tb().key2id_(key), key, row, value, "", &c.dc, x, y, w, h, 25);
  }
};

TEST_F(classic_owner_draw, no_fill_shows_its_icon_and_name) {
  mdi->attr_fcolor_ = -2;
  ASSERT_GT(mdi->icon_none_, 0);
  canvas got(160, 24), want(160, 24);
  button(got, "COLOR2", 0, 0, 120, 24);
  // Centre (0 + 25/2 + 1, 0 + 24/2 + 1) = (13.5, 13) -> (14, 13); the text from x 25 + 2.
  want.icon(14, 13, mdi->icon_none_, true);
  want.text(27, 0, 120, 24, lang_text_("color.none"));
  EXPECT_EQ(first_difference(got.s, want.s), "");
}

TEST_F(classic_owner_draw, any_other_colour_shows_a_bordered_swatch_and_its_hex_digits) {
  mdi->attr_dcolor_ = 0x0080FF;  // red 255, green 128, blue 0
  canvas got(160, 24), want(160, 24);
  button(got, "COLOR1", 0, 0, 120, 24);
  fill_rect_(want.dc, 7, 6, 13, 13, 0x0080FF, 0x808080);
  want.text(27, 0, 120, 24, "FF8000");
  EXPECT_EQ(first_difference(got.s, want.s), "");
  EXPECT_EQ(got.s.colour_(7, 6), 0x808080u);
  EXPECT_EQ(got.s.colour_(14, 13), 0x0080FFu);
  EXPECT_EQ(got.s.colour_(19, 18), 0x808080u);
  EXPECT_EQ(got.s.colour_(20, 13), back);
}

TEST_F(classic_owner_draw, a_vertical_dock_turns_the_text_below_the_icon_part) {
  mdi->attr_dcolor_ = -4;
  canvas got(24, 160);
  button(got, "COLOR1", 0, 0, 24, 120, true);
  int32_t top = 999, bottom = -1, left = 999, right = -1;
  for (int32_t y = 0; y < 160; ++y)
    for (int32_t x = 0; x < 24; ++x)
      if (y >= 25 && got.s.colour_(x, y) != back) {
        top = std::min(top, y), bottom = std::max(bottom, y);
        left = std::min(left, x), right = std::max(right, x);
      }
  ASSERT_GE(bottom, 0);
  EXPECT_GE(top, 27);
  EXPECT_GT(bottom - top, 2 * (right - left));  // a turned line: long down, narrow across
  canvas want(24, 160);
  want.icon(13, 14, mdi->icon_bylayer_, true);  // (0 + 24/2 + 1, 0 + 25/2 + 1) = (13, 13.5 -> 14)
  want.text(0, 27, 24, 120, lang_text_("color.bylayer"), true);
  EXPECT_EQ(first_difference(got.s, want.s), "");
}

TEST_F(classic_owner_draw, a_hidden_locked_layer_row_shows_both_states_and_its_colours) {
  const int32_t layer = engine->layer_add_("Walls", false_, false_, -1, -2, 0, 1);
  ASSERT_EQ(layer, 2);
  for (int32_t icon : {mdi->icon_layer_visible_(false_), mdi->icon_layer_enabled_(false_), mdi->icon_auto_})
    ASSERT_GT(icon, 0);
  canvas got(300, 22), want(300, 22);
  item(got, "LAYER", "LAYER.2", 2, 0, 0, 296, 22);
  want.icon(4, 3, mdi->icon_layer_visible_(false_), false);
  want.icon(20, 3, mdi->icon_layer_enabled_(false_), false);
  want.icon(49, 5, mdi->icon_auto_, false);
  want.icon(69, 5, mdi->icon_none_, false);
  want.text(104, 0, 296, 22, "2 - Walls");
  EXPECT_EQ(first_difference(got.s, want.s), "");
  EXPECT_NE(mdi->icon_layer_visible_(false_), mdi->icon_layer_visible_(true_));
}

TEST_F(classic_owner_draw, colour_rows_get_their_swatch_and_the_other_rows_nothing) {
  canvas got(160, 40), want(160, 40);
  // Centre (2 + 25/2, 10 + 22/2) = (14.5 -> 14, 21), no extra pixel for rows.
  item(got, "COLOR1", "COLOR1.RED", 0, 2, 10, 150, 22);
  fill_rect_(want.dc, 7, 14, 13, 13, 0x0000FF, 0x808080);
  EXPECT_EQ(first_difference(got.s, want.s), "");
  for (const char* row : {"COLOR1.BYLAYER", "COLOR1.AUTO", "COLOR1.RGB", "COLOR2.EMPTY"})
    item(got, row[5] == '1' ? "COLOR1" : "COLOR2", row, 0, 2, 10, 150, 22);
  item(got, "LSTYLE", "LSTYLE.2", 0, 2, 10, 150, 22);
  EXPECT_EQ(first_difference(got.s, want.s), "");
}

TEST_F(classic_owner_draw, a_style_outside_the_table_leaves_the_button_empty) {
  canvas got(160, 24), blank(160, 24);
  mdi->attr_style_ = 7;
  button(got, "LSTYLE", 0, 0, 150, 24);
  EXPECT_EQ(first_difference(got.s, blank.s), "");
  mdi->attr_style_ = 2;
  button(got, "LSTYLE", 0, 0, 150, 24);
  canvas want(160, 24);
  want.icon(14, 13, mdi->gui_fields_.style_icons_.at_(2), true);
  want.text(27, 0, 150, 24, lang_text_("style.dot"));
  EXPECT_EQ(first_difference(got.s, want.s), "");
}

TEST_F(classic_owner_draw, an_untitled_page_shows_its_number_and_the_no_name_text) {
  engine->page_title_(1, "");
  canvas got(220, 24), want(220, 24);
  button(got, "PAGE", 0, 0, 200, 24);
  want.icon(4, 3, mdi->icon_page_(), false);
  want.text(24, 0, 200, 24, "1 - " + lang_text_("common.page.noname"));
  EXPECT_EQ(first_difference(got.s, want.s), "");
}
