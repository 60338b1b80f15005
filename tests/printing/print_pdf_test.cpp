// Printed sheets go to PDF files, which poppler renders back to pictures; the checks look at
// the pixels at known positions in millimetres from the sheet's top-left corner.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <unistd.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "support/box_font.h"
#include "platform/gdiplus/image.h"
#include "platform/services/printer.h"
#include "platform/window/event_loop.h"

namespace fs = std::filesystem;

namespace {

constexpr int dpi = 100;  // of the pictures rendered back


struct sheet_picture {
  image_ picture;
  double left_mm = 0, top_mm = 0;  // printable area from the paper's corner
  double width_mm() const { return picture.width_() * 25.4 / dpi; }
  double height_mm() const { return picture.height_() * 25.4 / dpi; }
  // Darkest channel sum near a point (x right, y down, mm from the sheet's top-left).
  int darkness(double x, double y) const {
    const int cx = int(std::lround((x + left_mm) * dpi / 25.4)), cy = int(std::lround((y + top_mm) * dpi / 25.4));
    int best = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const uint32_t p = picture.pixels_().argb_(cx + dx, cy + dy);
        const int sum = 765 - int((p >> 16) & 0xFF) - int((p >> 8) & 0xFF) - int(p & 0xFF);
        best = std::max(best, sum);
      }
    return best;
  }
  bool inked(double x, double y) const { return darkness(x, y) > 300; }
  // Some pixel near the point within 60 of each channel of rgb (0xRRGGBB).
  bool near_colour(double x, double y, uint32_t rgb) const {
    const int cx = int(std::lround((x + left_mm) * dpi / 25.4)), cy = int(std::lround((y + top_mm) * dpi / 25.4));
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const uint32_t p = picture.pixels_().argb_(cx + dx, cy + dy);
        bool close = true;
        for (int shift = 0; shift <= 16; shift += 8)
          close = close && std::abs(int((p >> shift) & 0xFF) - int((rgb >> shift) & 0xFF)) <= 60;
        if (close) return true;
      }
    return false;
  }
};

class print_pdf : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    folder = fs::temp_directory_path() / ("arvex_print_" + std::to_string(::getpid()) + "_" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    e = std::make_unique<zaz_class_>();
    auto& fsx = e->fonts;
    fsx.font_table.resize(1);
    fsx.font_table.push_back(box_font(6, 8, true));
    fsx.font_total = 1;
  }
  void TearDown() override { fs::remove_all(folder); }

  int16_t add_page(float w, float h, int32_t cx = 1, int32_t cy = 1) {
    e->page_add_("sheet", w, h);  // answers the page that was active before
    const int16_t p = int16_t(e->pages_count_());
    e->page_active_(p);
    e->page_cx_(p, cx), e->page_cy_(p, cy);
    e->page_posx_(p, 0), e->page_posy_(p, 0);
    e->page_unit_(p, 0), e->page_scale_(p, 0);
    e->layer_add_("a", true_, true_, -1, -2, 0, 1);
    e->layer_active_(1);
    return p;
  }

  // Prints and renders every printed page back; empty when printing made no file.
  std::vector<sheet_picture> print(flag16_ all) {
    const std::string pdf = (folder / "out.pdf").string();
    printer_ p;
    p.set_output_file_(pdf);
    p.set_landscape_(true);
    e->printing_print_(all, p);
    landscape_after = p.landscape_();
    std::vector<sheet_picture> out;
    if (!fs::exists(pdf)) return out;
    const std::string cmd = "pdftoppm -r " + std::to_string(dpi) + " -png '" + pdf + "' '" + (folder / "pg").string() + "'";
    if (std::system(cmd.c_str()) != 0) return out;
    std::vector<fs::path> files;
    for (const auto& f : fs::directory_iterator(folder))
      if (f.path().extension() == ".png") files.push_back(f.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
      sheet_picture s;
      s.picture.load_(f.string());
      s.left_mm = p.margin_left_px_() * 25.4 / p.dpi_x_();
      s.top_mm = p.margin_top_px_() * 25.4 / p.dpi_y_();
      out.push_back(std::move(s));
    }
    return out;
  }

  fs::path folder;
  std::unique_ptr<zaz_class_> e;
  bool landscape_after = false;
};

TEST_F(print_pdf, lines_texts_and_fills_land_at_their_millimetres) {
  add_page(200, 100);
  e->add_line_(20, 80, 80, 80, 0, 0, 3);                // 0.5 mm black, 20 mm below the top
  e->add_rect_(100, 60, 120, 80, 0, 0x0000FF, 0, 1);    // filled red square
  e->add_text_("HH", 1, 20, 20, 10);                    // boxes 20..26 and 28..34, y 20..30
  e->vertex_clear_();
  // A polyline far longer than any fixed buffer: 20,001 points from x 10 to x 190 at y 50.
  for (int i = 0; i <= 20000; ++i) e->vertex_add_(10 + 180.0f * i / 20000, 50);
  e->add_polyline_(0, 0, 1);
  const auto sheets = print(true_);
  ASSERT_EQ(sheets.size(), 1u);
  const sheet_picture& s = sheets[0];
  EXPECT_NEAR(s.width_mm(), 200, 1);
  EXPECT_NEAR(s.height_mm(), 100, 1);
  EXPECT_TRUE(s.inked(50, 20));
  EXPECT_FALSE(s.inked(50, 23));
  EXPECT_FALSE(s.inked(15, 20));
  EXPECT_TRUE(s.near_colour(110, 30, 0xFF0000));
  EXPECT_TRUE(s.inked(23, 75));
  EXPECT_FALSE(s.inked(27, 75));
  EXPECT_TRUE(s.inked(31, 75));
  EXPECT_FALSE(s.inked(37, 75));
  EXPECT_FALSE(s.inked(23, 66));
  EXPECT_TRUE(s.inked(185, 50));
  EXPECT_TRUE(landscape_after);
}

TEST_F(print_pdf, hatch_lines_stop_at_the_boundary_and_skip_its_holes) {
  add_page(200, 100);
  e->vertex_clear_();
  for (auto [x, y] : {std::pair{130.f, 60.f}, {170.f, 60.f}, {170.f, 90.f}, {130.f, 90.f}}) e->vertex_add_(x, y);
  const int32_t rec = e->add_hatch_(1, 1, 0, 0, color_none_, 0, 1);
  ASSERT_GT(rec, 0);
  hatch_rec_& h = e->store.live.hatches[size_t(e->object_(rec).index)];
  // The outer square, then an inner one traced in the same list: a hole by the even-odd rule.
  h.x = {0, 130, 170, 170, 130, 130, 140, 160, 160, 140, 140};
  h.y = {0, 60, 60, 90, 90, 60, 70, 70, 80, 80, 70};
  h.count = 10;
  h.line_count = 1;
  h.lines.assign(2, hatch_segment_rec_{});
  h.lines[1] = {-100, 0, 100, 0};  // one long horizontal stroke per tile origin
  h.tile_x = {0, 150, 150};
  h.tile_y = {0, 65, 75};
  const auto sheets = print(true_);
  ASSERT_EQ(sheets.size(), 1u);
  const sheet_picture& s = sheets[0];
  EXPECT_TRUE(s.inked(150, 35));   // y 65 crosses the solid part
  EXPECT_TRUE(s.inked(135, 25));   // y 75 beside the hole
  EXPECT_TRUE(s.inked(165, 25));
  EXPECT_FALSE(s.inked(150, 25));  // inside the hole
  EXPECT_FALSE(s.inked(125, 35));  // outside the boundary
  EXPECT_FALSE(s.inked(175, 35));
  EXPECT_FALSE(s.inked(150, 30));  // between the strokes
}

TEST_F(print_pdf, a_dimension_prints_its_extension_lines_arrowheads_and_text) {
  add_page(200, 100);
  const int32_t sid = e->dimstyle_add_("d");
  ASSERT_GT(sid, 0);
  const int32_t rec = e->add_dimh_(sid, 40, 20, 140, 20, 90, 50, 100, 0, 0, 3, 1, "");
  ASSERT_GT(rec, 0);
  dimension_rec_& d = e->store.live.dimensions[size_t(e->object_(rec).index)];
  d.style.dimline_color = 0x00FF00;  // green, so the dimension line tells itself apart
  d.style.text_back_color = color_none_;
  d.style.arrow1 = d.style.arrow2 = 1;
  d.style.arrow_size = 2.5f, d.style.size_factor = 2;
  d.style.dimline_show1 = d.style.dimline_show2 = d.style.extline_show1 = d.style.extline_show2 = true_;
  d.style.extline_color = 0;
  d.style.font = 1;
  d.parts[0].visible = true_, d.parts[0].text = "X", d.parts[0].height = 10, d.parts[0].x = 60, d.parts[0].y = 55;
  for (size_t i = 1; i < 8; ++i) d.parts[i].visible = false_;
  d.text_box = {box_corner_rec_{0, 0}, {0, 0}, {0, 0}, {0, 0}};
  const auto sheets = print(true_);
  ASSERT_EQ(sheets.size(), 1u);
  const sheet_picture& s = sheets[0];
  const float y3 = 100 - d.y3;
  EXPECT_TRUE(s.inked(d.x1, 100 - (d.y1 + d.y3) / 2));  // extension lines
  EXPECT_TRUE(s.inked(d.x2, 100 - (d.y2 + d.y3) / 2));
  EXPECT_TRUE(s.near_colour(90, y3, 0x00FF00));          // the green dimension line
  EXPECT_TRUE(s.inked(d.x3 + 2, y3));                     // filled arrowhead, 10 long
  EXPECT_TRUE(s.near_colour(d.x3 + 6, y3 - 0.5, 0x00FF00));  // 0.75 wide there, in the line colour
  EXPECT_FALSE(s.inked(d.x3 + 6, y3 - 2));
  EXPECT_TRUE(s.inked(63, 100 - 60));                     // the text part's filled glyph
  EXPECT_FALSE(s.inked(67, 100 - 60));
}

TEST_F(print_pdf, sheets_print_top_row_first_left_to_right) {
  // Page of 2 x 3 sheets of 60 x 40 mm; each sheet carries a square placed by its column and row.
  add_page(60, 40, 2, 3);
  for (int col = 1; col <= 2; ++col)
    for (int row = 1; row <= 3; ++row) {
      const float x = 60.f * (col - 1) + 10.f * col, y = 40.f * (row - 1) + 8.f * row;
      e->add_rect_(x, y, x + 4, y + 4, 0, 0, 0, 1);
    }
  const auto sheets = print(false_);
  ASSERT_EQ(sheets.size(), 6u);
  const std::pair<int, int> order[] = {{1, 3}, {2, 3}, {1, 2}, {2, 2}, {1, 1}, {2, 1}};
  for (size_t i = 0; i < 6; ++i) {
    const sheet_picture& s = sheets[i];
    EXPECT_NEAR(s.width_mm(), 60, 1);
    for (int col = 1; col <= 2; ++col)
      for (int row = 1; row <= 3; ++row) {
        const bool mine = order[i] == std::pair{col, row};
        EXPECT_EQ(s.inked(10.0 * col + 2, 40 - (8.0 * row + 2)), mine) << "sheet " << i << " square " << col << "," << row;
      }
  }
}

TEST_F(print_pdf, orientation_follows_each_page_and_is_put_back) {
  add_page(297, 210);
  add_page(210, 297);
  add_page(200, 200);
  e->page_cx_(3, 2);
  auto sheets = print(true_);
  ASSERT_EQ(sheets.size(), 4u);
  EXPECT_GT(sheets[0].width_mm(), sheets[0].height_mm());
  EXPECT_LT(sheets[1].width_mm(), sheets[1].height_mm());
  EXPECT_NEAR(sheets[2].width_mm(), sheets[2].height_mm(), 1);
  EXPECT_TRUE(landscape_after);
  fs::remove_all(folder);
  fs::create_directories(folder);
  e->page_active_(2);
  sheets = print(false_);
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_LT(sheets[0].width_mm(), sheets[0].height_mm());
}

TEST_F(print_pdf, by_block_members_of_an_automatic_insert_print_black) {
  add_page(200, 100);
  const int32_t line = e->add_line_(0, 0, 40, 0, color_by_block_, 0, 3);
  e->select_record_(line, true_);
  const int32_t bid = e->block_create_("b", 0, 0, false_);
  ASSERT_GT(bid, 0);
  e->add_block_(bid, 50, 50, 1, 1, 0, color_auto_, 0, 1, 1);
  const auto sheets = print(true_);
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_GT(sheets[0].darkness(70, 50), 600);
}

}  // namespace
