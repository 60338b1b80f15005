#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"
#include "platform/gdi/surface.h"

// The font library keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

constexpr int32_t c0 = 0x101010, c1 = 0x202020, c2 = 0x303030, c3 = 0xF0F0F0, ct0 = 0x000001, ct1 = 0x000002,
                  csel = 0x00C0C0;

struct Grid : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  std::shared_ptr<text_measurer_> old = set_text_measurer_(std::make_shared<fixed_text_measurer_>(7));
  ~Grid() override { set_text_measurer_(old); }
  void clear(int32_t w = 210) { e->edit_clear_(0, 0, w, 400, c0, c1, c2, c3, ct0, ct1, csel, true_); }
  int32_t click(int32_t x, int32_t y) {
    int32_t g, i, xe, ye, we, he, type;
    std::string v;
    return e->edit_click_(x, y, g, i, xe, ye, we, he, v, type);
  }
};

TEST_F(Grid, LayoutStacksHeadersAndRowsAndEmptiesFoldedRows) {
  clear();
  const int32_t g1 = e->edit_add_group_("ATR", "Attributes", 0);
  e->edit_add_item_(g1, "C1", "Colour", 1, "0");
  e->edit_add_item_(g1, "ST", "Style", 3, "0");
  const int32_t g2 = e->edit_add_group_("GEO", "Geometry", -1);
  for (const char* k : {"X", "Y", "R"}) e->edit_add_item_(g2, k, k, 14, "1");
  const int32_t g3 = e->edit_add_group_("TXT", "Text", 0);
  e->edit_add_item_(g3, "TXT", "Text", 7, "abc");
  e->edit_recalc_();
  EXPECT_EQ(e->edit_group_(1)->top, 0);
  EXPECT_EQ(e->edit_item_(1)->top, 21);
  EXPECT_EQ(e->edit_item_(2)->top, 42);
  EXPECT_EQ(e->edit_group_(2)->top, 63);
  EXPECT_EQ(e->edit_group_(3)->top, 84);
  EXPECT_EQ(e->edit_item_(6)->top, 105);
  for (int i = 3; i <= 5; ++i) {
    const edit_item_rec_& it = *e->edit_item_(i);
    EXPECT_EQ(it.left | it.top | it.right | it.bottom, 0) << i;
  }
  const edit_item_rec_& r = *e->edit_item_(1);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.right, 210);
  EXPECT_EQ(r.bottom, 41);
  EXPECT_EQ(r.key, "c1");
}

TEST_F(Grid, RefusedRowsAndFullTablesAddNothing) {
  clear();
  const int32_t g = e->edit_add_group_("a", "A", 0);
  struct Case { int32_t group; const char* key; const char* caption; } cases[] = {
      {0, "k", "c"}, {2, "k", "c"}, {g, "  ", "c"}, {g, "k", " "}};
  for (const Case& c : cases) EXPECT_EQ(e->edit_add_item_(c.group, c.key, c.caption, 7, "v"), 0) << c.key;
  EXPECT_EQ(e->edit_item_count_(), 0);
  for (int i = 1; i <= 256; ++i) ASSERT_EQ(e->edit_add_item_(g, "k", "c", 7, "v"), i);
  EXPECT_EQ(e->edit_add_item_(g, "k", "c", 7, "v"), 0);
  EXPECT_EQ(e->edit_item_count_(), 256);
  for (int i = 2; i <= 64; ++i) ASSERT_EQ(e->edit_add_group_("g", "G", 0), i);
  EXPECT_EQ(e->edit_add_group_("g", "G", 0), 0);
  EXPECT_EQ(e->edit_group_count_(), 64);
}

TEST_F(Grid, ClickResultsEditorRectangleAndCurrentItem) {
  clear();
  const int32_t g = e->edit_add_group_("geo", "Geometry", 0);
  e->edit_add_item_(g, "an", "Angle", 12, "2.71828");
  e->edit_add_item_(g, "c1", "Colour", 1, "255");
  e->edit_recalc_();
  struct Case { int32_t x, y, result; } cases[] = {
      {4, 10, 2},   // 6 left of the box centre folds
      {4, 10, 2},   // and unfolds again
      {3, 10, 1},   // 7 left is the header
      {119, 25, 3}, // row left + 99: caption
      {120, 25, 4}, // row left + 100: value
      {5, 300, 0}};
  for (const Case& c : cases) EXPECT_EQ(click(c.x, c.y), c.result) << c.x << "," << c.y;
  int32_t gg, i, xe, ye, we, he, type;
  std::string v;
  EXPECT_EQ(e->edit_click_(50, 30, gg, i, xe, ye, we, he, v, type), 3);
  EXPECT_EQ(i, 1);
  EXPECT_EQ(xe, 122);
  EXPECT_EQ(ye, 21);
  EXPECT_EQ(we, 210 - 122 - 1);
  EXPECT_EQ(he, 20);
  EXPECT_EQ(v, "2.72");  // formatted as painted
  EXPECT_EQ(e->edit_itn_(), "AN");
  e->edit_click_(50, 50, gg, i, xe, ye, we, he, v, type);
  EXPECT_EQ(v, "255");  // coded rows hand over the stored value
  EXPECT_EQ(type, 1);
  click(150, 5);  // a header: the row stays highlighted, the key is gone
  EXPECT_EQ(e->edit_selected_(), 2);
  EXPECT_EQ(e->edit_itn_(), "");
}

TEST_F(Grid, ClearKeepsOrResetsTheCurrentVertex) {
  e->grid.vertex = 5;
  e->edit_clear_(0, 0, 10, 10, 0, 0, 0, 0, 0, 0, 0, false_);
  EXPECT_EQ(e->edit_vertex_(), 5);
  clear();
  EXPECT_EQ(e->edit_vertex_(), 1);
}

TEST_F(Grid, ColorHexAndBlend) {
  EXPECT_EQ(zaz_class_::edit_color_hex_(0x0080FF), "&&HFF8000");
  EXPECT_EQ(zaz_class_::edit_blend_(0x0000FF, 0, 0.25f), 0x0000BF);  // 191.25 rounds to 191
  EXPECT_EQ(zaz_class_::edit_blend_(0x000002, 0x000003, 0.5f), 0x000002);  // 2.5 to even
  EXPECT_EQ(zaz_class_::edit_blend_(0xFFFFFF, 0, 7.0f), 0);  // t clamped to 1
}

// Paints one value row and compares its value cell with the expected text drawn alone.
struct Paint : Grid {
  surface_ s{210, 60};
  dc_ dc{s};
  surface_ ref_s{210, 60};
  dc_ ref{ref_s};
  void paint_row(int32_t type, const std::string& value) {
    clear();
    const int32_t g = e->edit_add_group_("g", "G", 0);
    e->edit_add_item_(g, "k", "Key", type, value);
    e->edit_recalc_();
    dc.fill_rectangle_({0, 0, 210, 60}, 0xFFFFFF);
    dc.set_bk_mode_(bk_mode_::transparent_);
    e->edit_draw_({0, 0, 210, 60}, dc, "Yes", "No");
  }
  // The text as the row shows it, drawn on a row-coloured background at (left, 22, 207, 40).
  bool text_matches(const std::string& text, int32_t left, uint32_t format = 0) {
    ref.fill_rectangle_({0, 0, 210, 60}, c3);
    ref.set_bk_mode_(bk_mode_::transparent_);
    ref.set_text_colour_(ct1);
    pixel_rect_ r{left, 22, 207, 40};
    ref.draw_text_(text, r, text_single_line_ | text_vcenter_ | format);
    for (int32_t y = 22; y < 40; ++y)
      for (int32_t x = left; x < 207; ++x)
        if (dc.get_pixel_(x, y) != ref.get_pixel_(x, y)) return false;
    return true;
  }
};

TEST_F(Paint, ColourRowWithoutEntryShowsSwatchAndHex) {
  paint_row(1, "16711680");
  const int32_t vx = 132, vy = 32;
  EXPECT_EQ(dc.get_pixel_(vx, vy), 0xFF0000u);          // swatch inside: blue
  EXPECT_EQ(dc.get_pixel_(vx - 7, vy - 7), 0xBF0000u);  // outline: a quarter towards black
  EXPECT_EQ(dc.get_pixel_(vx + 6, vy), c3 & 0xFFFFFFu);  // right edge exclusive
  EXPECT_TRUE(text_matches("&H0000FF", 142, text_no_prefix_));  // shown literally
}

TEST_F(Paint, RowTypesShowTheirTexts) {
  e->edit_stl_set_(0, "Solid", 0);
  struct Case { int32_t type; const char* value; const char* shown; int32_t left; } cases[] = {
      {3, "5", "---", 122}, {3, "0", "Solid", 142}, {12, "2.71828", "2.72", 122}, {7, "5", "5", 122},
      {7, "1.50", "1.5", 122}, {10, "7.5", "8", 122}, {17, "-1", "Yes", 122}, {17, "abc", "No", 122},
      {1, "junk", "junk", 142}};
  for (const Case& c : cases) {
    paint_row(c.type, c.value);
    EXPECT_TRUE(text_matches(c.shown, c.left)) << c.type << " " << c.value;
  }
}

TEST_F(Paint, HeaderBoxShowsBarOrCrossAndSeparatorRunsToLastItem) {
  paint_row(7, "x");
  EXPECT_EQ(dc.get_pixel_(10, 10), static_cast<uint32_t>(c0));  // the bar
  EXPECT_EQ(dc.get_pixel_(10, 8), static_cast<uint32_t>(c1));   // no vertical stroke
  EXPECT_EQ(dc.get_pixel_(120, 39), static_cast<uint32_t>(c2)); // separator: every third pixel
  EXPECT_EQ(dc.get_pixel_(120, 40), static_cast<uint32_t>(c3)); // down to the row's bottom
  EXPECT_EQ(dc.get_pixel_(120, 45), 0xFFFFFFu);  // past the row outline at 42
  click(10, 10);  // fold
  dc.fill_rectangle_({0, 0, 210, 60}, 0xFFFFFF);
  e->edit_draw_({0, 0, 210, 60}, dc, "Yes", "No");
  EXPECT_EQ(dc.get_pixel_(10, 8), static_cast<uint32_t>(c0));  // a cross now
  EXPECT_EQ(dc.get_pixel_(120, 39), 0xFFFFFFu);                 // the row is gone
  EXPECT_EQ(dc.get_pixel_(100, 24), 0xFFFFFFu);                 // separator ends at the header
  EXPECT_EQ(dc.get_pixel_(209, 50), static_cast<uint32_t>(c2)); // right edge line
}

}  // namespace
