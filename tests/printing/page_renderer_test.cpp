// One sheet rendered onto an image: 96 dots per inch, white paper, y up from the bottom edge.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "engine/zaz_class.h"
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
    page = e->page_add_("p", 100, 100);
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
      {"deleted", [](zaz_class_& z) { z.delete_object_(z.add_rect_(40, 40, 60, 60, red, blue, 0, 3)); }, true_, white,
       white},
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
  EXPECT_EQ(at(50.7f, 80), uint32_t(black));
  EXPECT_EQ(at(50, 80.7f), uint32_t(black));
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
