// One sheet rendered onto an image: 96 dots per inch, white paper, y up from the bottom edge.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/zaz_class.h"
#include "support/box_font.h"
#include "platform/gdiplus/graphics.h"
#include "platform/window/event_loop.h"

namespace {

constexpr int32_t red = 0x0000FF, blue = 0xFF0000, black = 0, white = 0xFFFFFF;
constexpr float px_per_mm = 96 / 25.4f;

class page_renderer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    e = std::make_unique<zaz_class_>();
    e->page_add_("p", 100, 100);
    page = int16_t(e->pages_count_());
    e->page_active_(page);
    e->page_posx_(page, 0), e->page_posy_(page, 0);
    e->page_unit_(page, 0), e->page_scale_(page, 0);
    e->page_cx_(page, 2), e->page_cy_(page, 1);
    e->layer_add_("a", true_, true_, -1, -2, 0, 1);
    e->layer_add_("hidden", false_, true_, -1, -2, 0, 1);
    e->layer_active_(1);
  }
  // Renders sheet (column, 1) and returns the colour at paper (x, y) mm of that sheet.
  void render(int32_t column = 1) {
    sheet = surface_(int32_t(std::lround(100 * px_per_mm)), int32_t(std::lround(100 * px_per_mm)));
    sheet.fill_colour_(white);
    graphics_ g(sheet);
    e->print_page_renderer_(g, 96, page, column, 1);
  }
  uint32_t at(float x, float y) const {
    return sheet.colour_(int32_t(std::floor(x * px_per_mm)), int32_t(std::floor((100 - y) * px_per_mm)));
  }
  std::unique_ptr<zaz_class_> e;
  int16_t page = 0;
  surface_ sheet;
};

struct fill_case {
  const char* name;
  std::function<void(zaz_class_&)> add;  // adds one object around (50, 50)
  flag16_ colours;                        // attrib_color_
  uint32_t centre, edge;                  // expected at (50, 50) and on the outline (40, 50)
};

TEST_F(page_renderer, colours_and_fills_resolve_for_paper) {
  const fill_case cases[] = {
      {"fill none: outline only", [](zaz_class_& z) { z.add_rect_(40, 40, 60, 60, red, color_none_, 0, 3); },
       true_, white, red},
      {"automatic fill prints black", [](zaz_class_& z) { z.add_rect_(40, 40, 60, 60, red, color_auto_, 0, 3); },
       true_, black, red},
      {"colour switch off: all black", [](zaz_class_& z) { z.add_rect_(40, 40, 60, 60, red, blue, 0, 3); }, false_,
       black, black},
      {"colour switch off keeps fill none", [](zaz_class_& z) { z.add_rect_(40, 40, 60, 60, red, color_none_, 0, 3); },
       false_, white, black},
      {"hidden layer", [](zaz_class_& z) { z.add_rect_(40, 40, 60, 60, red, blue, 0, 3, 2); }, true_, white, white},
      {"deleted",
       [](zaz_class_& z) {
         const int32_t r = z.add_rect_(40, 40, 60, 60, red, blue, 0, 3);
         z.select_record_(r, true_);
         z.delete_object_(r);
       },
       true_, white, white},
      {"by layer from an automatic layer", [](zaz_class_& z) { z.add_rect_(40, 40, 60, 60, color_by_layer_, blue, 0, 3); },
       true_, blue, black},
      {"filled circle", [](zaz_class_& z) { z.add_circle_(50, 50, 10, red, blue, 0, 3); }, true_, blue, red},
  };
  for (const fill_case& c : cases) {
    SetUp();
    e->attrib_color_(c.colours);
    c.add(*e);
    render();
    EXPECT_EQ(at(50, 50), c.centre) << c.name;
    EXPECT_EQ(at(40, 50), c.edge) << c.name;
  }
}

TEST_F(page_renderer, hatches_keep_their_colour_with_the_colour_switch_off) {
  e->attrib_color_(false_);
  e->vertex_clear_();
  for (auto [x, y] : {std::pair{40.f, 40.f}, {60.f, 40.f}, {60.f, 60.f}, {40.f, 60.f}}) e->vertex_add_(x, y);
  const int32_t rec = e->add_hatch_(1, 1, 0, red, color_none_, 0, 3);
  ASSERT_GT(rec, 0);
  hatch_rec_& h = e->store.live.hatches[size_t(e->object_(rec).index)];
  h.line_count = 1;
  h.lines.assign(2, hatch_segment_rec_{});
  h.lines[1] = {-50, 0, 50, 0};
  h.tile_x = {0, 50};
  h.tile_y = {0, 50};
  render();
  EXPECT_EQ(at(50, 50), uint32_t(red));
  EXPECT_EQ(at(35, 50), uint32_t(white));
}

TEST_F(page_renderer, arcs_fill_as_sectors_and_points_print_as_two_millimetre_crosses) {
  const int32_t filled = e->add_arc_(30, 30, 10, 10, 0, 0, 90, red, blue, 0, 1);
  const int32_t open = e->add_arc_(70, 30, 10, 10, 0, 0, 90, red, color_none_, 0, 1);
  for (int32_t r : {filled, open}) {
    arc_rec_& a = e->store.live.arcs[size_t(e->object_(r).index)];
    a.a1 = 0, a.a2 = 1.5707964f;
  }
  e->add_point_(50, 80, 1, 5, black, 3, 5);
  render();
  EXPECT_EQ(at(33, 33), uint32_t(blue));   // inside the sector
  EXPECT_EQ(at(73, 33), uint32_t(white));  // the open arc encloses nothing
  // Width id 1 (0.12 mm) is thinner than a pixel here: any ink will do.
  EXPECT_NE(at(50.7f, 80), uint32_t(white));
  EXPECT_NE(at(50, 80.7f), uint32_t(white));
  EXPECT_EQ(at(51.5f, 80), uint32_t(white));
}

TEST_F(page_renderer, the_second_sheet_starts_one_sheet_width_to_the_right) {
  e->add_rect_(140, 40, 160, 60, black, black, 0, 1);  // on sheet (2, 1) only
  render(1);
  EXPECT_EQ(at(50, 50), uint32_t(white));
  render(2);
  EXPECT_EQ(at(50, 50), uint32_t(black));
  EXPECT_EQ(at(35, 50), uint32_t(white));
}

}  // namespace

namespace {

// A dimension style with plain values: filled arrowheads of size 2.5, everything shown, no text.
void plain_style(dimstyle_rec_& s) {
  s.arrow1 = s.arrow2 = s.arrow_ref = 1;
  s.arrow_size = 2.5f, s.size_factor = 1;
  s.dimline_show1 = s.dimline_show2 = s.extline_show1 = s.extline_show2 = true_;
  s.dimline_color = s.extline_color = s.text_color = 0;
  s.text_back_color = 0xFFFFFF;
  s.text_frame = false_;
  s.font = 0;
}

TEST_F(page_renderer, angular_dimensions_print_arc_terminators_and_extension_lines) {
  const int32_t sid = e->dimstyle_add_("d");
  const int32_t rec = e->add_dima_(sid, 50, 50, 70, 50, 50, 70, 0, black, 0, 3, 1, "");
  ASSERT_GT(rec, 0);
  angular_dim_rec_& r = e->store.live.angular_dims[size_t(e->object_(rec).index)];
  plain_style(r.style);
  r.cx = r.cy = 50, r.rx = r.ry = 20, r.rotation = 0, r.a1 = 0, r.a2 = 1.5707964f;
  r.arrows_outside = false_;
  r.style.arrow1 = 10;  // a tick shows the start direction: 45 degrees past the inward tangent
  for (auto& part : r.parts) part.visible = false_;
  r.text_box = {box_corner_rec_{0, 0}, {0, 0}, {0, 0}, {0, 0}};
  render();
  EXPECT_EQ(at(64.14f, 64.14f), uint32_t(black));  // on the arc
  EXPECT_EQ(at(62, 50), uint32_t(black));          // extension line from half the radius...
  EXPECT_EQ(at(72, 50), uint32_t(black));          // ...to the arrow size beyond the arc
  EXPECT_EQ(at(58, 50), uint32_t(white));
  EXPECT_EQ(at(73.5f, 50), uint32_t(white));
  EXPECT_EQ(at(50, 72), uint32_t(black));
  EXPECT_EQ(at(68.29f, 51.46f), uint32_t(black));
}

TEST_F(page_renderer, references_draw_their_last_segment_over_the_text_box) {
  const int32_t sid = e->dimstyle_add_("d");
  e->vertex_clear_();
  e->vertex_add_(20, 20), e->vertex_add_(40, 40), e->vertex_add_(60, 40);
  const int32_t rec = e->add_ref_(sid, "", black, 0, 3, 1);
  ASSERT_GT(rec, 0);
  reference_rec_& r = e->store.live.references[size_t(e->object_(rec).index)];
  plain_style(r.style);
  r.count = 3;
  r.x = {0, 20, 40, 60}, r.y = {0, 20, 40, 40};
  for (auto& part : r.parts) part.visible = false_;
  r.text_box = {box_corner_rec_{50, 35}, {75, 35}, {75, 45}, {50, 45}};
  r.style.text_back_color = 0x00FF00;
  render();
  EXPECT_EQ(at(56, 40), uint32_t(black));     // the last segment, on top of the fill
  EXPECT_EQ(at(70, 42), uint32_t(0x00FF00));  // the box fill
  EXPECT_EQ(at(30, 30), uint32_t(black));     // the first segment
  EXPECT_EQ(at(22, 22), uint32_t(black));     // the arrowhead along the first segment
  r.count = 1;                                // a single point prints nothing at all
  render();
  EXPECT_EQ(at(70, 42), uint32_t(white));
  EXPECT_EQ(at(30, 30), uint32_t(white));
}

}  // namespace

namespace {

TEST_F(page_renderer, block_members_are_scaled_turned_and_moved_by_the_insert) {
  const int32_t line = e->add_line_(0, 0, 10, 0, color_by_block_, 0, 3);
  const int32_t square = e->add_rect_(2, -6, 8, -2, black, color_none_, 0, 3);
  e->select_record_(line, true_);
  e->select_record_(square, true_);
  const int32_t bid = e->block_create_("b", 0, 0, false_);
  ASSERT_GT(bid, 0);
  const int32_t rec = e->add_block_(bid, 50, 50, 2, 2, 0, red, 0, 1, 1);
  ASSERT_GT(rec, 0);
  e->store.live.block_inserts[size_t(e->object_(rec).index)].rotation = 1.5707964f;
  e->attrib_color_(false_);  // a fill of none stays unfilled with the colour switch off
  render();
  EXPECT_EQ(at(50, 65), uint32_t(black));   // the line, turned upwards and twice as long
  EXPECT_EQ(at(60, 50), uint32_t(white));   // where it would lie unturned
  EXPECT_EQ(at(58, 60), uint32_t(white));   // inside the square, unfilled
  EXPECT_EQ(at(62, 60), uint32_t(black));   // its far edge: y -6 scaled and turned to x 50 + 12
  e->attrib_color_(true_);
  render();
  EXPECT_EQ(at(50, 65), uint32_t(red));     // by block: the insert's colour
}

}  // namespace

namespace {


struct text_case {
  const char* text;
  float width_factor, rotation;
  int32_t font;
  std::vector<std::pair<float, float>> inked, blank;
};

TEST_F(page_renderer, stroke_texts_advance_break_and_turn) {
  const text_case cases[] = {
      {"HH", 1, 0, 1, {{23, 25}, {31, 25}}, {{27, 25}, {37, 25}, {23, 31}}},
      {"H H", 1, 0, 1, {{23, 25}, {35, 25}}, {{30, 25}, {40, 25}}},  // a space is 0.75 of the width of X
      {"HH", 0.5f, 0, 1, {{21.5f, 25}, {25.5f, 25}}, {{23.5f, 25}, {28, 25}}},
      {"H\rH", 1, 0, 1, {{23, 25}, {23, 10}}, {{31, 25}, {23, 17.5f}}},  // the next line 1.5 heights lower
      {"HH", 1, 1.5707964f, 1, {{15, 23}, {15, 31}}, {{15, 27}, {23, 25}}},  // upwards
      {"HH", 1, 0, 2, {}, {{23, 25}, {31, 25}}},                             // no such font
      {"", 1, 0, 1, {}, {{23, 25}}},
  };
  for (const text_case& c : cases) {
    SetUp();
    e->fonts.font_table.resize(1);
    e->fonts.font_table.push_back(box_font(6, 8, true));
    e->fonts.font_total = 1;
    const int32_t rec = e->add_text_("H", 1, 20, 20, 10, c.width_factor, 0, black, 0, 1);
    ASSERT_GT(rec, 0);
    text_rec_& t = e->store.live.texts[size_t(e->object_(rec).index)];
    t.text = c.text, t.font = c.font, t.rotation = c.rotation, t.width_factor = c.width_factor;
    render();
    for (auto [x, y] : c.inked) EXPECT_EQ(at(x, y), uint32_t(black)) << c.text << " " << c.width_factor << " at " << x << "," << y;
    for (auto [x, y] : c.blank) EXPECT_EQ(at(x, y), uint32_t(white)) << c.text << " " << c.width_factor << " at " << x << "," << y;
  }
}

}  // namespace
