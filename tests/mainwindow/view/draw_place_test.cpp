// TEXT, BLOCK, IMAGE and BGROUP: what each click places, its undo step, and the placements
// that have nothing to place.
#include <filesystem>

#include "draw_fixture.h"
#include "platform/services/picture_file.h"

using draw_place = draw_fixture;

TEST_F(draw_place, text_places_one_text_per_click) {
  tool("TEXT");
  host->text = "Hello";
  row(5, "4", false);
  row(7, "90", false);
  click(10, 20);
  click(-5, 0);
  ASSERT_EQ(types(), (std::vector<int32_t>{ot_text_, ot_text_}));
  const text_rec_& t = e().store.live.texts[size_t(e().object_(2).index)];
  EXPECT_EQ(t.text, "Hello");
  EXPECT_FLOAT_EQ(t.x, -5);
  EXPECT_FLOAT_EQ(t.height, 4);
  EXPECT_NEAR(t.rotation, 3.1415927f / 2, 1e-5);
  EXPECT_EQ(labels(), tr({"change.draw.text", "change.draw.text"}));
  EXPECT_EQ(ds().tool_step_, 0);
}

TEST_F(draw_place, block_with_nothing_to_insert_adds_nothing) {
  const int32_t a = line(0, 0, 10, 0);
  e().select_record_(a, true_);
  tool("BLOCK");
  for (int32_t id : {0, 5}) {  // none chosen, and an id the drawing does not have
    host->block = id;
    click(30, 30);
  }
  EXPECT_EQ(live(), std::vector<int32_t>{a});
  EXPECT_TRUE(labels().empty());
  EXPECT_TRUE(selected(a));
}

TEST_F(draw_place, block_insert_becomes_the_only_selection) {
  const int32_t a = line(0, 0, 10, 0);
  e().select_record_(a, true_);
  const int32_t id = e().block_create_("B", 0, 0, false_);
  ASSERT_GE(id, 1);
  const int32_t other = line(0, 50, 10, 50);
  e().select_record_(other, true_);
  host->block = id;
  tool("BLOCK");
  row(1, "0", false);  // a zero scale reads 1 from the first move on
  row(2, "2", false);
  move(20, 20);
  EXPECT_EQ(host->panel->textv_(1), "1");
  click(40, 30);
  ASSERT_EQ(e().object_(e().records_()).type, ot_block_insert_);
  const block_insert_rec_& b = e().store.live.block_inserts[size_t(e().object_(e().records_()).index)];
  EXPECT_FLOAT_EQ(b.x, 40);
  EXPECT_FLOAT_EQ(b.sx, 1);
  EXPECT_FLOAT_EQ(b.sy, 2);
  EXPECT_EQ(selection(), std::vector<int32_t>{e().records_()});
  EXPECT_EQ(labels(), tr({"change.draw.block"}));
}

TEST_F(draw_place, image_takes_the_chosen_picture_and_size) {
  tool("IMAGE");
  click(0, 0);
  click(20, 20);  // no picture chosen: nothing
  EXPECT_TRUE(live().empty());
  EXPECT_TRUE(labels().empty());
  EXPECT_EQ(ds().tool_step_, 0);

  const std::string path = (std::filesystem::path(testing::TempDir()) / "draw_place.png").string();
  picture_image_rec_ img{64, 48, std::vector<uint32_t>(64 * 48, 0xFF0000FFu)};
  ASSERT_TRUE(save_png_file_(path, img));
  picture_rec_ pic;
  ASSERT_TRUE(load_picture_file_(path, pic));
  host->image = {path, float(pic.images[0].width), float(pic.images[0].height)};
  ref_adraw_(*host->panel, {"IMAGE", "", host->image.w, host->image.h});
  host->panel->chkv_(2, true_);
  host->panel->chkv_(3, true_);
  click(10, 10);
  click(200, -100);  // the locked size wins
  ASSERT_EQ(types(), std::vector<int32_t>{ot_image_});
  const object_rec_& o = e().object_(1);
  EXPECT_FLOAT_EQ(o.x1, 10);
  EXPECT_FLOAT_EQ(o.x2, 74);
  EXPECT_FLOAT_EQ(o.y1, 10);
  EXPECT_FLOAT_EQ(o.y2, 58);
  EXPECT_EQ(e().store.live.images[size_t(o.index)].path, path);
  // Dragged from upper right to lower left: the size reaches the engine negative.
  host->panel->chkv_(2, false_);
  host->panel->chkv_(3, false_);
  click(30, 30);
  click(0, 10);
  const object_rec_& o2 = e().object_(2);
  EXPECT_FLOAT_EQ(o2.x1, 0);
  EXPECT_FLOAT_EQ(o2.x2, 30);
  EXPECT_FLOAT_EQ(o2.y1, 10);
  EXPECT_FLOAT_EQ(o2.y2, 30);
  EXPECT_EQ(labels(), tr({"change.draw.image", "change.draw.image"}));
  std::filesystem::remove(path);
}

TEST_F(draw_place, block_group_frame_is_normalised_and_titled) {
  tool("BGROUP");
  row(1, "  Doors ", false);
  click(40, 5);
  click(10, 30);
  ASSERT_EQ(types(), std::vector<int32_t>{ot_block_group_});
  const block_group_rec_& g = e().store.live.block_groups[size_t(e().object_(1).index)];
  EXPECT_EQ(g.title, "Doors");
  EXPECT_FLOAT_EQ(g.x1, 10);
  EXPECT_FLOAT_EQ(g.x2, 40);
  EXPECT_FLOAT_EQ(g.y1, 5);
  EXPECT_FLOAT_EQ(g.y2, 30);
  EXPECT_EQ(labels(), tr({"change.draw.bgroup"}));
}

TEST_F(draw_place, text_preview_needs_a_numeric_height) {
  tool("TEXT");
  host->text = "WWWW";
  row(5, "20 units", false);  // leading digits, but no number
  keep_pixels();
  move(-100, -100);
  move(0, -50);
  EXPECT_FALSE(changed(30, -40, 6));  // no preview for a height that is no number
  row(5, "20", false);
  move(1, -50);
  EXPECT_TRUE(changed(30, -40, 6));
  click(1, -50);  // the click still places the text
  EXPECT_EQ(types(), std::vector<int32_t>{ot_text_});
}
