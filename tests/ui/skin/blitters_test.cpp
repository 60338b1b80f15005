// The blitters against the flat test skin: every destination rectangle must hold exactly the
// colour of the part copied there, and nothing else may change.
#include "ui/skin/blitters.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/test_skin.h"
#include "ui/skin/skin_atlas.h"

namespace {

constexpr uint32_t bg = 0x563412;

struct placed {
  sprite_rect_rec_ part;
  int32_t x, y, w, h;
};

uint32_t colour_of(const sprite_rect_rec_& r) { return skin_picture_.colour_(r.x, r.y); }

// Pixels that differ from the background painted with each part's colour in order.
int32_t mismatches(const surface_& got, const std::vector<placed>& parts, std::string& first) {
  surface_ want(got.width_(), got.height_());
  want.fill_colour_(bg);
  for (const placed& p : parts)
    for (int32_t y = p.y; y < p.y + p.h; ++y)
      for (int32_t x = p.x; x < p.x + p.w; ++x) want.set_colour_(x, y, colour_of(p.part));
  int32_t bad = 0;
  for (int32_t y = 0; y < got.height_(); ++y)
    for (int32_t x = 0; x < got.width_(); ++x)
      if (got.colour_(x, y) != want.colour_(x, y)) {
        if (bad++ == 0) first = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
      }
  return bad;
}

class blitters : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(load_test_skin_()); }
  void SetUp() override {
    if (!skin_picture_loaded_()) {
      ASSERT_TRUE(load_test_skin_());
    }
    out.fill_colour_(bg);
  }
  surface_ out{320, 100};
  dc_ dc{out};
};

TEST_F(blitters, one_table_over_all_blitters) {
  const sprite_rect_rec_* face = button_face_sprites_[1].part;
  const sprite_rect_rec_* frame = app_menu_frame_sprites_.part;
  const sprite_rect_rec_* bar = progress_sprites_[1].part;
  const sprite_rect_rec_* body = ribbon_body_sprites_[1].part;
  const sprite_rect_rec_* group = ribbon_group_sprites_[2].part;
  const sprite_rect_rec_* cap = caption_bar_sprites_[1].part;
  const sprite_rect_rec_ gap_span{face[1].x, face[1].y, 10, 3};  // part 1, the red gap, part 2
  struct {
    const char* name;
    std::function<void(dc_&)> draw;
    std::vector<placed> parts;
  } cases[] = {
      {"nine parts", [&](dc_& d) { blit_sprite9_(button_face_sprites_[1], d, 10, 5, 80, 30, 0, 0); },
       {{face[1], 10, 5, 3, 3}, {face[2], 13, 5, 74, 3}, {face[3], 87, 5, 3, 3},
        {face[4], 10, 8, 3, 24}, {face[5], 13, 8, 74, 24}, {face[6], 87, 8, 3, 24},
        {face[7], 10, 32, 3, 3}, {face[8], 13, 32, 74, 3}, {face[9], 87, 32, 3, 3}}},
      {"corners only", [&](dc_& d) { blit_sprite9_(button_face_sprites_[1], d, 0, 0, 6, 6, 0, 0); },
       {{face[1], 0, 0, 3, 3}, {face[3], 3, 0, 3, 3}, {face[7], 0, 3, 3, 3}, {face[9], 3, 3, 3, 3}}},
      {"smaller than the corners", [&](dc_& d) { blit_sprite9_(button_face_sprites_[1], d, 0, 0, 4, 4, 0, 0); },
       {{face[1], 0, 0, 3, 3}, {face[3], 1, 0, 3, 3}, {face[7], 0, 1, 3, 3}, {face[9], 1, 1, 3, 3}}},
      {"glyph only", [&](dc_& d) { blit_sprite9_(menu_row_sprites_[2], d, 0, 0, 40, 30, -1, 0); },
       {{menu_row_sprites_[2].part[0], 13, 8, 14, 14}}},
      {"no glyph set", [&](dc_& d) { blit_sprite9_(button_face_sprites_[1], d, 0, 0, 40, 30, -1, 0); }, {}},
      {"border", [&](dc_& d) { blit_sprite9_border_(app_menu_frame_sprites_, d, 5, 5, 120, 70); },
       {{frame[1], 5, 5, 6, 6}, {frame[2], 11, 5, 108, 6}, {frame[3], 119, 5, 6, 6},
        {frame[4], 5, 11, 6, 34}, {frame[6], 119, 11, 6, 34},
        {frame[7], 5, 45, 6, 30}, {frame[8], 11, 45, 108, 30}, {frame[9], 119, 45, 6, 30}}},
      {"fill below the width", [&](dc_& d) { blit_sprite9_fill_(progress_sprites_[1], d, 4, 4, 150, 12, 60); },
       {{bar[1], 4, 4, 2, 1}, {bar[4], 4, 5, 2, 10}, {bar[7], 4, 15, 2, 1},
        {bar[2], 6, 4, 56, 1}, {bar[5], 6, 5, 56, 10}, {bar[8], 6, 15, 56, 1}}},
      {"fill to the width", [&](dc_& d) { blit_sprite9_fill_(progress_sprites_[1], d, 4, 4, 150, 12, 999); },
       {{bar[1], 4, 4, 2, 1}, {bar[4], 4, 5, 2, 10}, {bar[7], 4, 15, 2, 1},
        {bar[2], 6, 4, 146, 1}, {bar[5], 6, 5, 146, 10}, {bar[8], 6, 15, 146, 1},
        {bar[3], 152, 4, 2, 1}, {bar[6], 152, 5, 2, 10}, {bar[9], 152, 15, 2, 1}}},
      {"fill of nothing", [&](dc_& d) { blit_sprite9_fill_(progress_sprites_[1], d, 4, 4, 150, 12, -5); }, {}},
      {"centred part", [&](dc_& d) { blit_sprite_centered_(caption_glyph_sprites_[4], d, 10, 10, 41, 30); },
       {{caption_glyph_sprites_[4].part[5], 22, 16, 18, 18}}},
      {"header box", [&](dc_& d) { blit_header_box_(ribbon_body_sprites_[1], d, 0, 0, 100, 60, 20); },
       {{body[0], 0, 0, 100, 20},
        {body[3], 0, 20, 3, 5}, {body[4], 3, 20, 94, 5}, {body[5], 97, 20, 3, 5},
        {body[6], 0, 25, 3, 31}, {body[7], 3, 25, 94, 31}, {body[8], 97, 25, 3, 31},
        {body[9], 0, 56, 3, 4}, {body[10], 3, 56, 94, 4}, {body[11], 97, 56, 3, 4}}},
      {"caption box", [&](dc_& d) { blit_caption_box_(ribbon_group_sprites_[2], d, 10, 0, 60, 90, 0, 0); },
       {{group[0], 10, 0, 3, 3}, {group[3], 10, 3, 3, 66}, {group[6], 10, 69, 3, 17}, {group[9], 10, 86, 3, 4},
        {group[1], 13, 0, 54, 3}, {group[4], 13, 3, 54, 66}, {group[7], 13, 69, 54, 17}, {group[10], 13, 86, 54, 4},
        {group[2], 67, 0, 3, 3}, {group[5], 67, 3, 3, 66}, {group[8], 67, 69, 3, 17}, {group[11], 67, 86, 3, 4}}},
      {"caption box, narrow right", [&](dc_& d) { blit_caption_box_(ribbon_group_sprites_[2], d, 10, 0, 60, 90, 20, -1); },
       {{group[0], 10, 0, 3, 3}, {group[3], 10, 3, 3, 63}, {group[6], 10, 66, 3, 20}, {group[9], 10, 86, 3, 4},
        {group[1], 13, 0, 55, 3}, {group[4], 13, 3, 55, 63}, {group[7], 13, 66, 55, 20}, {group[10], 13, 86, 55, 4},
        {group[2], 68, 0, 2, 3}, {group[5], 68, 3, 2, 63}, {group[8], 68, 66, 2, 20}, {group[11], 68, 86, 2, 4}}},
      {"bar", [&](dc_& d) { blit_bar5x3_(caption_bar_sprites_[1], d, 0, 0, 300, 31, 100, 100, 0); },
       {{cap[1], 0, 0, 100, 4}, {cap[6], 0, 4, 100, 24}, {cap[11], 0, 28, 100, 3},
        {cap[3], 200, 0, 100, 4}, {cap[8], 200, 4, 100, 24}, {cap[13], 200, 28, 100, 3},
        {cap[2], 100, 0, 100, 4}, {cap[7], 100, 4, 100, 24}, {cap[12], 100, 28, 100, 3},
        {cap[0], 0, 0, 4, 4}, {cap[5], 0, 4, 4, 24}, {cap[10], 0, 28, 4, 3},
        {cap[4], 296, 0, 4, 4}, {cap[9], 296, 4, 4, 24}, {cap[14], 296, 28, 4, 3}}},
      {"bar, middle only", [&](dc_& d) { blit_bar5x3_(caption_bar_sprites_[1], d, 0, 0, 300, 31, 100, 100, -1); },
       {{cap[2], 0, 0, 300, 4}, {cap[7], 0, 4, 300, 24}, {cap[12], 0, 28, 300, 3}}},
      {"keyed pixels keep the destination", [&](dc_& d) { blit_sprite_rect_(gap_span, d, 0, 0, 10, 3, true); },
       {{face[1], 0, 0, 3, 3}, {face[2], 4, 0, 6, 3}}},
      {"opaque copies keep the key", [&](dc_& d) { blit_sprite_rect_(gap_span, d, 0, 0, 10, 3, false); },
       {{face[1], 0, 0, 3, 3}, {sprite_rect_rec_{int16_t(face[1].x + 3), face[1].y, 1, 1}, 3, 0, 1, 3}, {face[2], 4, 0, 6, 3}}},
  };
  for (auto& c : cases) {
    out.fill_colour_(bg);
    c.draw(dc);
    std::string first;
    EXPECT_EQ(mismatches(out, c.parts, first), 0) << c.name << ", first at " << first;
  }
}

TEST_F(blitters, alpha_atlas_parts) {
  const sprite_rect_rec_* sep = menu_bar_separator_sprites_.part;
  graphics_ g(out);
  blit_sprite9_gdip_(menu_bar_separator_sprites_, g, 20, 10, 9, 40);
  auto alpha_colour = [](const sprite_rect_rec_& r) { return skin_atlas_image_.pixels_().colour_(r.x, r.y); };
  const struct {
    int part, x, y;
  } probes[] = {{1, 20, 10}, {2, 23, 11}, {3, 27, 10}, {4, 21, 30}, {5, 24, 30}, {6, 28, 40}, {7, 20, 48}, {8, 24, 49}, {9, 28, 49}};
  for (const auto& p : probes) EXPECT_EQ(out.colour_(p.x, p.y), alpha_colour(sep[p.part])) << p.part;
  EXPECT_EQ(out.colour_(19, 10), bg);
  EXPECT_EQ(out.colour_(29, 30), bg);
  EXPECT_EQ(out.colour_(24, 50), bg);
}

TEST_F(blitters, nothing_without_a_picture) {
  skin_picture_ = surface_();
  blit_sprite9_(button_face_sprites_[1], dc, 0, 0, 80, 30, 0, 0);
  blit_sprite9_border_(app_menu_frame_sprites_, dc, 0, 0, 120, 70);
  blit_sprite9_fill_(progress_sprites_[1], dc, 0, 0, 150, 12, 150);
  blit_sprite_centered_(caption_glyph_sprites_[4], dc, 0, 0, 40, 30);
  blit_header_box_(ribbon_body_sprites_[1], dc, 0, 0, 100, 60, 20);
  blit_caption_box_(ribbon_group_sprites_[2], dc, 0, 0, 60, 90, 0, 0);
  blit_bar5x3_(caption_bar_sprites_[1], dc, 0, 0, 300, 31, 100, 100, 0);
  graphics_ g(out);
  blit_sprite9_gdip_(menu_bar_separator_sprites_, g, 0, 0, 9, 40);
  std::string first;
  EXPECT_EQ(mismatches(out, {}, first), 0) << first;
}

TEST_F(blitters, fill_rect_border_on_the_outermost_pixels) {
  fill_rect_(dc, 3, 4, 6, 5, 0x00FF00, 0x0000AA);
  for (int32_t y = 2; y < 11; ++y)
    for (int32_t x = 1; x < 11; ++x) {
      const bool inside = x >= 3 && x <= 8 && y >= 4 && y <= 8;
      const bool border = inside && (x == 3 || x == 8 || y == 4 || y == 8);
      EXPECT_EQ(out.colour_(x, y), border ? 0x0000AAu : inside ? 0x00FF00u : bg) << x << "," << y;
    }
  fill_rect_(dc, 20, 4, 6, 5, 0x00FF00, -1);
  EXPECT_EQ(out.colour_(20, 4), 0x00FF00u);
  EXPECT_EQ(out.colour_(25, 8), 0x00FF00u);
  EXPECT_EQ(out.colour_(26, 8), bg);
  EXPECT_EQ(dc.current_pen_(), pen_{});  // the caller's pen and brush come back
  EXPECT_EQ(dc.current_brush_(), (brush_{brush_style_::solid_, 0xFFFFFF}));
}

TEST(skin_fonts, face_field_keeps_its_terminator) {
  log_font_rec_ lf;
  std::fill(std::begin(lf.face_name), std::end(lf.face_name), 'x');
  set_logfont_face_("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn", lf.face_name);  // 40 characters
  EXPECT_EQ(std::string(lf.face_name), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde");
  EXPECT_EQ(sizeof lf.face_name, 32u);
  set_logfont_face_("Tahoma", lf.face_name);
  EXPECT_EQ(std::string(lf.face_name), "Tahoma");
  EXPECT_EQ(lf.face_name[31], '\0');
}

TEST(skin_fonts, interface_font_follows_the_resolution) {
  const struct {
    float twips;
    int32_t height;
  } cases[] = {{15, 13}, {12, 16}, {10, 20}};
  for (const auto& c : cases) {
    const log_font_rec_ lf = ui_logfont_(c.twips);
    EXPECT_EQ(lf.height, c.height);
    EXPECT_EQ(lf.char_set, 1);
    EXPECT_EQ(std::string(lf.face_name), "Tahoma");
    EXPECT_EQ(lf.weight, 0);
  }
  EXPECT_EQ(ui_font_(900).escapement, 900);
}

TEST(skin_fonts, text_colour_stays_and_resets_to_black) {
  surface_ s(60, 20);
  dc_ d(s);
  font_ f;
  f.height = 11;
  d.select_font_(f);
  draw_text_color_(d, "Ab", 0, 0, 60, 20, 0x00AA00, text_single_line_);
  EXPECT_EQ(d.text_colour_(), 0x00AA00u);
  reset_text_dc_(d);
  EXPECT_EQ(d.text_colour_(), 0u);
  EXPECT_EQ(d.current_font_(), f);
}

TEST(skin_states, glyph_state_from_the_control) {
  EXPECT_EQ(glyph_state_(false, true, true, true), 5);
  EXPECT_EQ(glyph_state_(true, true, true, false), 4);
  EXPECT_EQ(glyph_state_(true, true, false, true), 3);
  EXPECT_EQ(glyph_state_(true, true, false, false), 1);
  EXPECT_EQ(glyph_state_(true, false, true, true), 2);
  EXPECT_EQ(glyph_state_(true, false, false, false), 0);
}

}  // namespace
