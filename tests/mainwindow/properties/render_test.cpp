// The side panel rendered in both modes and written to PNG beside the build, then checked:
// the editor's rows, a colour swatch and no untranslated texts; the blocks' thumbnails.
#include "platform/services/picture_file.h"
#include "prop_fixture.h"
#include "shell/colors.h"
#include "support/missing_texts.h"
#include "ui/skin/skin_palette.h"

// The font library keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

bool save_panel(window_& panel, const std::string& name) {
  const surface_& s = panel.client_surface_();
  picture_image_rec_ img;
  img.width = s.width_(), img.height = s.height_();
  for (int32_t y = 0; y < img.height; ++y)
    for (int32_t x = 0; x < img.width; ++x) img.argb.push_back(s.row_(y)[x] | 0xFF000000u);
  return save_png_file_(std::string(ARVEX_BINARY_DIR) + "/" + name, img);
}

using render = prop_fixture;

TEST_F(render, EditorShowsADimensionsRowsAndSwatches) {
  missing_texts_recorder texts;
  // Distinct grid colours, so that every check below tells its part apart.
  skin_palette_rec_& p = skin_palette_;
  p.color_prop_r0 = 0x101080, p.color_prop_r1 = 0x208020, p.color_prop_gbg = 0xC0C0C0;
  p.color_prop_bbg = 0xF8F8F8, p.color_prop_gtxt = 0x400000, p.color_prop_txt = 0x000040;
  p.color_background = 0xE0E0E0;
  for (auto [code, key] : {std::pair{-1, "color.auto"}, {-2, "color.none"}, {-3, "color.byblock"}, {-4, "color.bylayer"}})
    e().edit_s_c_set_(code, lang_text_(key), 0);
  ASSERT_EQ(e().dimstyle_add_("standard"), 1);
  const int32_t d = e().add_dimh_(1, 0, 0, 10, 0, 5, 5, 0, -1, 0, 1, 1, "");
  ASSERT_GT(d, 0);
  e().edit_prop_(d, 205, value_::of(255.0));
  e().select_record_(d, true_);
  ed->ref_edit_(true_, true_);
  do_events_();
  ASSERT_TRUE(save_panel(*host->panel, "side_panel_editor.png"));
  const surface_& s = host->panel->client_surface_();
  ASSERT_EQ(e().edit_item_count_(), 42);
  int32_t shown = 0;
  for (int32_t i = 1; i <= e().edit_item_count_(); ++i) {
    const edit_item_rec_& it = *e().edit_item_(i);
    if (it.bottom >= s.height_()) continue;
    ++shown;
    EXPECT_EQ(s.colour_(it.left - 10, it.top + 10), uint32_t(p.color_prop_gbg) & 0xFFFFFF) << it.key;  // strip
    EXPECT_EQ(s.colour_(it.right - 4, it.top + 10), uint32_t(p.color_prop_bbg) & 0xFFFFFF) << it.key;  // body
    int32_t inked = 0;  // caption pixels off the row's background: its text
    for (int32_t x = it.left + 3; x < it.left + 97; ++x)
      for (int32_t y = it.top + 1; y < it.bottom - 1; ++y) inked += s.colour_(x, y) != (uint32_t(p.color_prop_bbg) & 0xFFFFFF);
    EXPECT_GT(inked, 10) << it.key;
    if (it.key == "dim.c0") EXPECT_EQ(s.colour_(it.left + 112, it.top + 11), 0x0000FFu);  // the red swatch
  }
  EXPECT_GE(shown, 15);  // the rows that fit the panel
}

TEST_F(render, BlocksListShowsThumbnails) {
  for (int i = 1; i <= 3; ++i) {
    const int32_t r = e().add_line_(0, 0, float(i * 10), 10);
    e().select_clear_();
    e().select_record_(r, true_);
    ASSERT_EQ(e().block_create_("block" + std::to_string(i), 0, 0, false_), i);
  }
  host->mode = 1;
  host->block = 2;
  e().backcolor_(0xFFFFFF);
  ed->ref_blocks_(-1, -1);
  do_events_();
  ASSERT_TRUE(save_panel(*host->panel, "side_panel_blocks.png"));
  const surface_& s = host->panel->client_surface_();
  const uint32_t fill = uint32_t(blend_colors_(0xFFFFFF, 0x808080, 0.1f));
  for (int i = 0; i < 3; ++i) {
    const int32_t left = 59 * (i % 2) + 6, top = 71 * (i / 2) + 6;
    int32_t drawn = 0;  // thumbnail pixels that differ from the background and the fill
    for (int32_t y = top + 6; y < top + 44; ++y)
      for (int32_t x = left + 6; x < left + 44; ++x) drawn += s.colour_(x, y) != fill && s.colour_(x, y) != 0xFFFFFFu;
    EXPECT_GT(drawn, 5) << "block " << i + 1;
  }
}

}  // namespace
