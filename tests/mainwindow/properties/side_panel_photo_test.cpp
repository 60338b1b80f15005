// The main window's side panel photographed in both modes and written to PNG beside the build,
// then checked: the property editor of a selected dimension shows its rows, captions, a colour
// swatch and coded values by icon, with no untranslated texts; the blocks list shows three
// thumbnails and the chosen block's face. Offscreen the photograph is the panel's rendering;
// on an X server (scripts/test runs this suite under xvfb-run) it is taken from the screen.
#include "../mdi_fixture.h"
#include "platform/services/picture_file.h"
#include "platform/services/screen.h"
#include "shell/colors.h"
#include "support/missing_texts.h"
#include "ui/skin/skin_palette.h"

// The font library keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

// A photographed pixel (0xRRGGBB) as a colour value of the drawing (0x00BBGGRR).
uint32_t bgr(uint32_t px) { return ((px & 0xFF) << 16) | (px & 0xFF00) | ((px >> 16) & 0xFF); }

struct side_panel_photo : mdi_fixture {
  void SetUp() override {
    mdi_fixture::SetUp();
    open("0");
    mdi->form().activate_();
  }
  // Lets the window present the panel, photographs it and keeps the photograph as a PNG.
  void photograph(const std::string& name) {
    for (int i = 0; i < 30; ++i) wait_events_(10);
    window_& panel = mdi->panel2();
    ASSERT_TRUE(platform_name_() == "xcb" ? capture_screen_(panel.client_rect_(), shot) : panel.grab_(shot));
    ASSERT_EQ(shot.width_(), panel.client_width_());
    picture_image_rec_ img;
    img.width = shot.width_(), img.height = shot.height_();
    for (int32_t y = 0; y < img.height; ++y)
      for (int32_t x = 0; x < img.width; ++x) img.argb.push_back(shot.row_(y)[x] | 0xFF000000u);
    ASSERT_TRUE(save_png_file_(std::string(ARVEX_BINARY_DIR) + "/" + name, img));
  }
  uint32_t at(int32_t x, int32_t y) { return bgr(shot.row_(y)[x]); }
  surface_ shot;
};

TEST_F(side_panel_photo, EditorShowsADimensionsRowsSwatchesAndIcons) {
  // Distinct grid colours, so that every check below tells its part apart.
  skin_palette_rec_& p = skin_palette_;
  p.color_prop_r0 = 0x101080, p.color_prop_r1 = 0x208020, p.color_prop_gbg = 0xC0C0C0;
  p.color_prop_bbg = 0xF8F8F8, p.color_prop_gtxt = 0x400000, p.color_prop_txt = 0x000040;
  missing_texts_recorder texts;
  const int32_t style = engine->dimstyle_add_("photo");
  ASSERT_GT(style, 0);
  const int32_t d = engine->add_dimh_(style, 0, 0, 10, 0, 5, 5, 0, -1, 0, 1, 1, "");
  ASSERT_GT(d, 0);
  engine->edit_prop_(d, 205, value_::of(255.0));  // red dimension lines
  engine->select_record_(d, true_);
  mdi->side_panel_open_(2);
  photograph("side_panel_editor.png");
  ASSERT_EQ(engine->edit_item_count_(), 42);
  const uint32_t strip = uint32_t(p.color_prop_gbg), body = uint32_t(p.color_prop_bbg);
  int32_t shown = 0;
  for (int32_t i = 1; i <= engine->edit_item_count_(); ++i) {
    const edit_item_rec_& it = *engine->edit_item_(i);
    EXPECT_NE(it.caption[0], '%') << it.key;
    if (it.bottom >= shot.height_()) continue;
    ++shown;
    EXPECT_EQ(at(it.left - 10, it.top + 10), strip) << it.key;
    EXPECT_EQ(at(it.right - 4, it.top + 10), body) << it.key;
    int32_t inked = 0;  // caption pixels off the row's background: its text
    for (int32_t x = it.left + 3; x < it.left + 97; ++x)
      for (int32_t y = it.top + 1; y < it.bottom - 1; ++y) inked += at(x, y) != body;
    EXPECT_GT(inked, 10) << it.key;
    // The value part left of the text: a swatch or an icon for coded rows.
    int32_t marked = 0;
    for (int32_t x = it.left + 105; x < it.left + 118; ++x)
      for (int32_t y = it.top + 4; y < it.top + 17; ++y) marked += at(x, y) != body;
    if (it.key == "dim.c0") {  // the red swatch
      EXPECT_EQ(at(it.left + 112, it.top + 11), 0x0000FFu);
    }
    if (it.key == "c1" || it.key == "st" || it.key == "wi" || it.key == "dim.a1") {
      EXPECT_GT(marked, 5) << it.key;
    }
  }
  EXPECT_GE(shown, 12);  // the rows that fit the panel
}

TEST_F(side_panel_photo, BlocksListShowsThumbnailsAndTheChosenBlock) {
  missing_texts_recorder texts;
  for (int i = 1; i <= 3; ++i) {
    const int32_t r = engine->add_line_(0, 0, float(i * 10), 10);
    engine->select_clear_();
    engine->select_record_(r, true_);
    ASSERT_EQ(engine->block_create_("block" + std::to_string(i), 0, 0, false_), i);
  }
  engine->select_clear_();
  engine->backcolor_(0xFFFFFF);
  mdi->block_to_insert_ = 2;
  mdi->side_panel_open_(1);
  photograph("side_panel_blocks.png");
  const uint32_t fill = uint32_t(blend_colors_(0xFFFFFF, 0x808080, 0.1f));
  for (int i = 0; i < 3; ++i) {
    const int32_t left = 59 * (i % 2) + 6, top = 71 * (i / 2) + 6;
    int32_t drawn = 0;  // thumbnail pixels that are neither the background nor the cell's fill
    for (int32_t y = top + 6; y < top + 44; ++y)
      for (int32_t x = left + 6; x < left + 44; ++x) drawn += at(x, y) != fill && at(x, y) != 0xFFFFFFu;
    EXPECT_GT(drawn, 5) << "block " << i + 1;
    // An ordinary cell is framed and filled in the cell colours; the chosen one shows a button face.
    const uint32_t corner = at(left + 1, top + 1);
    if (i == 1) {
      EXPECT_NE(corner, fill) << "block 2";
    }
    else EXPECT_EQ(corner, fill) << "block " << i + 1;
  }
  EXPECT_EQ(at(30, 71 * 2 + 20), 0xFFFFFFu);  // below the last row: the drawing's background
}

}  // namespace
