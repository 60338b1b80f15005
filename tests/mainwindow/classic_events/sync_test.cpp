// The tool-button sync of the classic interface: the current tool's button and menu items, the
// view switches on the TOOLS controls and the status bar, and the rebuilt dynamic menus.
#include "classic_fixture.h"
#include "ui/controls/statusbar/statusbar.h"

class classic_sync : public classic_fixture {
 protected:
  // Every pressed button and checked row, keyed by key.
  std::vector<std::string> marked() {
    std::vector<std::string> out;
    for (int32_t b = 1; b <= tb().button_count; ++b) {
      const auto& btn = tb().button_(b);
      if (btn.check == true_) out.push_back("button " + btn.key);
      for (const auto& i : btn.items) {
        if (i.check == true_ && i.key.rfind("TOOLBAR.", 0) != 0 && i.key.rfind("EXBTN_", 0) != 0)
          out.push_back(btn.key + ">" + i.key);
        for (const auto& s : i.subs)
          if (s.check == true_ && s.key.rfind("TOOLBAR.", 0) != 0) out.push_back(btn.key + ">" + s.key);
      }
    }
    return out;
  }
  void sync_tool(const char* tool, int32_t step) {
    mdi->ds_.tool_name_ = tool;
    mdi->ds_tn_(step);
    mdi->ref_tool_buttons_(0);
  }
};

TEST_F(classic_sync, the_current_tool_presses_its_button_and_checks_its_rows) {
  const struct {
    const char* tool;
    std::vector<std::string> marks;
    int32_t step_after;
  } cases[] = {
      {"CIRCLE.3P", {"button CIRCLE", "DRAW>CIRCLE.3P", "CIRCLE>CIRCLE.3P"}, 0},
      {"ARRAY.CIRC", {"button ARRAY", "TRANS>ARRAY"}, 0},
      {"POINTS", {"DRAW>POINTS", "button POINT", "POINT>POINTS"}, 0},
      {"SELECT", {"TRANS>POINTER", "button POINTER"}, 0},
      {"LINE", {"DRAW>LINE", "button LINE"}, 0},
      {"PRINTING.PAGEMOVE", {"DESIGN>PRINTAREA.MOVE"}, 2},
      {"BGROUP", {}, 2},
      {"BLOCK", {}, 2},
      {"", {}, 2},
  };
  for (const auto& c : cases) {
    sync_tool(c.tool, 2);
    std::vector<std::string> got = marked(), want = c.marks;
    want.push_back("VIEW>STATUSBAR");
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want) << c.tool;
    EXPECT_EQ(mdi->ds_tn_(), c.step_after) << c.tool;
    EXPECT_EQ(mdi->tool_name_(), c.tool);
  }
}

TEST_F(classic_sync, the_line_tool_shows_on_toolbar_9_and_in_the_draw_menu) {
  ASSERT_TRUE(mdi->gocmd_("line"));
  const int32_t line = tb().key2id_("LINE");
  bool on_toolbar_9 = false;
  for (int32_t i = 1; i <= tb().toolbars[9].slot_count; ++i) on_toolbar_9 |= tb().slot_button_id_(9, i) == line;
  EXPECT_TRUE(on_toolbar_9);
  EXPECT_TRUE(pressed("LINE"));
  EXPECT_EQ(row("DRAW", "LINE")->check, true_);
}

TEST_F(classic_sync, view_switches_show_on_the_tools_controls_and_the_status_bar) {
  engine->view_snap2track_(true_);
  engine->view_gridvisible_(false_);
  mdi->ref_tool_buttons_(0);
  EXPECT_TRUE(pressed("TOOLS.TRACK"));
  EXPECT_FALSE(pressed("TOOLS.GRID"));
  EXPECT_EQ(row("TOOLS", "TOOLS.TRACK")->check, true_);
  EXPECT_EQ(row("TOOLS", "TOOLS.GRID")->check, false_);
  EXPECT_EQ(mdi->statusbar().button_checked_("SNAP_TRCK_"), true_);
  EXPECT_EQ(mdi->statusbar().button_checked_("GRID_VISIBLE_"), false_);
  engine->view_snap2track_(false_);
  mdi->ref_tool_buttons_(0);
  EXPECT_FALSE(pressed("TOOLS.TRACK"));
  EXPECT_EQ(mdi->statusbar().button_checked_("SNAP_TRCK_"), false_);
}

TEST_F(classic_sync, the_dynamic_menus_are_rebuilt_from_the_drawing_and_the_toolbars) {
  for (const char* t : {"B", "C", "D"}) engine->layer_add_(t, true_, true_, -1, -2, 0, 1);
  engine->page_add_("Sheet B", 297, 210);
  engine->page_active_(1);
  mdi->ref_tool_buttons_(0);
  mdi->ref_tool_buttons_(0);  // twice: a rebuild replaces, never appends
  ASSERT_EQ(engine->layers_count_(), 4);
  const auto& layers = tb().button_(mdi->gui_fields_.layer_list_bid_).items;
  ASSERT_EQ(layers.size(), 4u);
  for (int32_t i = 1; i <= 4; ++i) {
    const auto& r = layers[size_t(i - 1)];
    EXPECT_EQ(r.key, "LAYER." + std::to_string(i));
    EXPECT_EQ(r.value, i);
    EXPECT_EQ(r.text, engine->layer_title_(int16_t(i)));
    EXPECT_EQ(r.customdraw, true_);
  }
  const auto& pages = tb().button_(mdi->gui_fields_.page_list_bid_).items;
  ASSERT_EQ(pages.size(), size_t(engine->pages_count_()));
  EXPECT_EQ(pages.back().key, "PAGE." + std::to_string(engine->pages_count_()));
  EXPECT_EQ(pages.back().text, "Sheet B");

  tb().tbvisible_(7, false_);
  mdi->ref_tool_buttons_(0);
  const auto& toolbars =
      tb().button_(mdi->gui_fields_.view_menu_bid_).items[size_t(mdi->gui_fields_.toolbars_menu_sub_ - 1)].subs;
  ASSERT_EQ(toolbars.size(), 16u);
  for (int32_t t = 1; t <= 16; ++t) {
    const auto& r = toolbars[size_t(t - 1)];
    EXPECT_EQ(r.key, "TOOLBAR." + std::to_string(t));
    EXPECT_EQ(r.text, tb().tbtitle_(t));
    EXPECT_EQ(r.check, to_flag_(t != 7)) << t;
  }
}

TEST_F(classic_sync, the_tool_panel_stays_in_its_floating_toolbar_through_a_relayout) {
  window_* p = mdi->panel_window();
  ASSERT_NE(p, nullptr);
  mdi->mdi_resize_();
  do_events_();
  EXPECT_EQ(p->parent_(), tb().tool_window_(16));
  EXPECT_TRUE(p->visible_());
  EXPECT_EQ(p->client_width_(), 119);
}
