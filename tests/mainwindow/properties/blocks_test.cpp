#include "prop_fixture.h"
#include "shell/colors.h"

namespace {

struct blocks : prop_fixture {
  void SetUp() override {
    prop_fixture::SetUp();
    for (int i = 1; i <= 5; ++i) {
      const int32_t r = e().add_line_(0, 0, float(i), 1);
      e().select_clear_();
      e().select_record_(r, true_);
      ASSERT_EQ(e().block_create_("b" + std::to_string(i), 0, 0, false_), i);
    }
    e().blocks_hidden_(1, true_);
    e().blocks_hidden_(2, true_);
    host->mode = 1;
    host->panel->move_(0, 0, 150, 150);
    do_events_();
  }
  void press(int32_t x, int32_t y, int32_t button) {
    press_at_(*host->panel, x, y, button);
    release_at_(*host->panel, x, y, button);
    do_events_();
  }
};

TEST_F(blocks, CellsHitsAndPresses) {
  // Blocks 3 and 4 fill the first row; block 5 sits alone in the second, first column.
  struct Case { int32_t x, y, block; } cases[] = {
      {6, 6, 3}, {65, 6, 4}, {6, 77, 5}, {56, 77 + 68, 5}, {57, 77, 0}, {6, 77 + 69, 0}, {65, 77, 0}};
  for (const Case& c : cases) EXPECT_EQ(ed->ref_blocks_(c.x, c.y), c.block) << c.x << "," << c.y;
  press(20, 90, button_left_);
  EXPECT_EQ(host->block, 5);
  EXPECT_EQ(host->tool, "BLOCK");
  EXPECT_EQ(host->step, 0);
  press(20, 90, button_right_);
  EXPECT_EQ(host->popups, 1);
  press(60, 20, button_left_);  // the gap between the columns
  EXPECT_EQ(host->block, 0);
  EXPECT_EQ(host->tool, "");
  press(60, 20, button_right_);
  EXPECT_EQ(host->popups, 1);  // no popup without a block
  EXPECT_EQ(host->presses_done, 4);
}

TEST_F(blocks, ScrollRangeAndThumbnailColours) {
  ed->ref_blocks_(-1, -1);
  const int32_t h = host->panel->client_height_();
  EXPECT_EQ(host->sb->scrollmax_(), std::max(2 * 71 + 10 - h, 0));
  EXPECT_EQ(host->sb->chsmall_(), 71);
  // An ordinary cell: fill a tenth of the way to grey over the white background, bordered.
  const surface_& s = host->panel->client_surface_();
  const uint32_t fill = uint32_t(blend_colors_(0xFFFFFF, 0x808080, 0.1f));
  e().backcolor_(0xFFFFFF);
  ed->ref_blocks_(-1, -1);
  EXPECT_EQ(s.colour_(8, 60), fill);
  EXPECT_EQ(s.colour_(6, 6), uint32_t(blend_colors_(int32_t(fill), 0x808080, 0.1f)));
}

}  // namespace
