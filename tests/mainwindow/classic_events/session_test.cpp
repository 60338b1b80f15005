// A scripted classic session: every step an event of the docking control, as a user's clicks
// raise them; the drawing, the current attributes and the lists are what the steps made.
#include "classic_fixture.h"

class classic_session : public classic_fixture {
 protected:
  std::vector<std::string> list(int32_t bid) {
    std::vector<std::string> keys;
    for (const auto& i : tb().button_(bid).items) keys.push_back(i.key);
    return keys;
  }
};

TEST_F(classic_session, selection_attributes_undo_layers_and_pages) {
  engine->state_begin_();
  engine->add_line_(0, 0, 10, 0);
  engine->add_line_(0, 5, 10, 5);
  engine->state_save_("lines");

  pick("EDIT", "SELECTALL");
  ASSERT_EQ(engine->select_info_(), 2);
  pick("COLOR1", "COLOR1.RED");
  pick("LWIDTH", "LWIDTH.3");
  click("UNDO");  // the width comes off again
  EXPECT_EQ(engine->object_(1).line_width, 1);
  click("REDO");
  click("LAYER.ADD");
  pick("LAYER", "LAYER.1", 50);
  pick("DESIGN", "PAGES.ADD");
  pick("PAGE", "PAGE.1");

  for (int32_t r = 1; r <= 2; ++r) {
    EXPECT_EQ(engine->object_(r).draw_color, 0x0000FF) << r;
    EXPECT_EQ(engine->object_(r).line_width, 3) << r;
  }
  EXPECT_EQ(mdi->attr_dcolor_, 0x0000FF);
  EXPECT_EQ(mdi->attr_width_, 3);
  EXPECT_EQ(engine->pages_count_(), 2);
  EXPECT_EQ(engine->page_active_(), 1);
  EXPECT_EQ(engine->layers_count_(), 2);
  EXPECT_EQ(engine->layer_active_(), 1);
  EXPECT_EQ(list(mdi->gui_fields_.page_list_bid_), (std::vector<std::string>{"PAGE.1", "PAGE.2"}));
  EXPECT_EQ(list(mdi->gui_fields_.layer_list_bid_), (std::vector<std::string>{"LAYER.1", "LAYER.2"}));
}
