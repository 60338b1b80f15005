// The classic interface as the builder leaves it: toolbars in creation order with their places,
// the command box, the split and list buttons, and the layout file read back at the next start.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

#include "interface_fixture.h"
#include "mainwindow/interface/command_words.h"
#include "platform/window/inject.h"

namespace {

std::string temp_file(const char* name) {
  const std::string p = ::testing::TempDir() + name;
  std::filesystem::remove(p);
  return p;
}

}  // namespace

class dock_build : public interface_host {
 protected:
  const dock_window_rec_& rec(int32_t t) const { return tb->windows[size_t(tb->toolbars[size_t(t)].window)]; }
  const dock_menu_item_rec_* item(const char* menu, const char* key) const {
    for (const auto& i : tb->button_(tb->key2id_(menu)).items)
      if (i.key == key) return &i;
    return nullptr;
  }
};

TEST_F(dock_build, without_a_layout_file_the_toolbars_take_their_default_places) {
  make_classic(temp_file("no_layout.ini"));
  ASSERT_EQ(tb->tbcount_(), 16);
  EXPECT_EQ(tb->button_count, 92);  // every key distinct: a repeated key would reuse its button
  size_t items = 0, subs = 0;
  for (int32_t b = 1; b <= tb->button_count; ++b)
    for (const auto& i : tb->button_(b).items) {
      ++items;
      subs += i.subs.size();
    }
  EXPECT_EQ(items, 158u);
  EXPECT_EQ(subs, 51u);
  struct place {
    int32_t t;
    dock_area_code_ area;
    int32_t row;
  };
  const place places[] = {{1, dock_top_, 1},    {2, dock_top_, 2},    {3, dock_top_, 2},   {4, dock_top_, 2},
                          {5, dock_top_, 2},    {6, dock_right_, 1},  {7, dock_right_, 1}, {8, dock_right_, 1},
                          {9, dock_left_, 1},   {10, dock_left_, 1},  {11, dock_right_, 2}, {12, dock_right_, 2},
                          {13, dock_bottom_, 1}, {14, dock_bottom_, 1}, {15, dock_bottom_, 1}};
  for (const place& p : places) {
    EXPECT_EQ(rec(p.t).dock, p.area) << p.t;
    EXPECT_EQ(rec(p.t).row, p.row) << p.t;
  }
  EXPECT_EQ(rec(16).dock, dock_floating_);
  const pixel_rect_ r = tb->tool_window_(16)->window_rect_();
  EXPECT_EQ(r.left, 80);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(tb->toolbars[16].snap, 2);
  EXPECT_EQ(tb->toolbar_title_(1), "Menu główne");
  // Only the command toolbars close: the menu bar's and the tool panel's items change nothing.
  for (int32_t t = 1; t <= 16; ++t) EXPECT_EQ(tb->tbclose_(t), (t == 1 || t == 16) ? false_ : true_) << t;
}

TEST_F(dock_build, the_builder_leaves_the_ids_the_main_window_keeps) {
  make_classic(temp_file("no_layout.ini"));
  EXPECT_EQ(fields.view_menu_bid_, tb->key2id_("VIEW"));
  EXPECT_EQ(fields.toolbars_menu_sub_, 11);
  EXPECT_EQ(tb->button_(fields.view_menu_bid_).items[10].key, "TOOLBARS");
  EXPECT_TRUE(tb->button_(fields.view_menu_bid_).items[10].subs.empty());
  EXPECT_EQ(fields.page_list_bid_, tb->key2id_("PAGE"));
  EXPECT_EQ(fields.layer_list_bid_, tb->key2id_("LAYER"));
  for (const char* k : {"PAGE", "LAYER", "COLOR1", "COLOR2", "LSTYLE", "LWIDTH", "CMD"})
    EXPECT_EQ(tb->button_cdraw_(tb->key2id_(k)), true_) << k;
  // The tool panel's holder and the command box.
  EXPECT_EQ(tb->button_(tb->key2id_("ADRAW")).xc_hwnd, panel->hwnd());
  EXPECT_EQ(panel->panel_window_()->client_width_(), 119);
  EXPECT_EQ(tb->button_(tb->key2id_("CMD")).tip, lang_text_("tb.cmd.cmd.tip"));
  // Line styles and widths fill their codes and nothing else.
  for (int32_t code = -5; code <= 16; ++code) {
    const bool style = code == -4 || code == -3 || (code >= 0 && code <= 4);
    const bool width = code == -4 || code == -3 || (code >= 1 && code <= 5);
    EXPECT_EQ(fields.style_icons_.at_(code) > 0, style) << code;
    EXPECT_EQ(fields.width_icons_.at_(code) > 0, width) << code;
  }
  EXPECT_EQ(item("LSTYLE", "LSTYLE.2")->icon, fields.style_icons_.at_(2));
}

TEST_F(dock_build, split_buttons_and_their_items_run_their_variants) {
  make_classic(temp_file("no_layout.ini"));
  struct split {
    const char* button;
    const char* key2;
    const char* word;
  };
  const split splits[] = {
      {"POINT", "POINT", "point"}, {"ARC", "ARC.R", "arc"}, {"CIRCLE", "CIRCLE.R", "circle"}, {"ARRAY", "ARRAY.1", "arr"}};
  for (const split& s : splits) {
    const int32_t b = tb->key2id_(s.button);
    EXPECT_EQ(tb->button_key2_(b), s.key2);
    EXPECT_EQ(command_word_(command_event_::dock_button, tb->button_key2_(b)), s.word);
  }
  EXPECT_EQ(tb->button_ico_(tb->key2id_("POINT")), fields.tool_icon_point_);
  const auto& circle = tb->button_(tb->key2id_("CIRCLE")).items;
  ASSERT_EQ(circle.size(), 3u);
  EXPECT_EQ(circle[2].key, "CIRCLE.3P");
  EXPECT_EQ(circle[2].icon, fields.tool_icon_circle_3p_);
  EXPECT_EQ(command_word_(command_event_::dock_item, "CIRCLE.3P"), "circle3p");
  EXPECT_EQ(command_word_(command_event_::dock_item, "ARRAY.2"), "arrc");
  // The DRAW menu's point items share the button's icons.
  EXPECT_EQ(item("DRAW", "MPOINT")->subs[1].icon, fields.tool_icon_points_);
}

TEST_F(dock_build, a_word_typed_in_the_command_box_reaches_the_main_window) {
  make_classic(temp_file("no_layout.ini"));
  std::vector<std::string> sent;
  tb->PressEnter = [&](int32_t t, int32_t, int32_t, const std::string& key) {
    sent.push_back(key + " " + tb->button_text_(t, 1));
  };
  tb->focus_text_item_(15, 1, true_);
  for (char ch : std::string("circle3p"))
    tb->key_event_(int16_t(std::toupper(uint8_t(ch))), 0, int16_t(uint8_t(ch)));
  tb->key_event_(13, 0, 13);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "CMD circle3p");
}

TEST_F(dock_build, a_tool_check_reaches_the_menu_item_and_the_toolbar_button) {
  make_classic(temp_file("no_layout.ini"));
  tb->menu_check_("LINE", true_);
  EXPECT_EQ(item("DRAW", "LINE")->check, true_);
  const int32_t line = tb->key2id_("LINE");
  bool on_toolbar_9 = false;
  for (int32_t i = 1; i <= tb->toolbars[9].slot_count; ++i) on_toolbar_9 |= tb->slot_button_id_(9, i) == line;
  EXPECT_TRUE(on_toolbar_9);
}

TEST_F(dock_build, the_saved_layout_comes_back_at_the_next_start) {
  const std::string file = temp_file("xtoolbars2_.ini");
  make_classic(file);
  // The user moves the block toolbar to the left area and hides its second button; exit saves.
  host->activate_();
  do_events_();
  tb->timer_tick_();
  const pixel_rect_ left = docks[2]->window_rect_();
  window_& blocks = *tb->tool_window_(8);
  inject_mouse_at_(blocks, mouse_type_::down, 10, 5, button_left_);  // the grip across its top
  inject_mouse_(mouse_type_::move, left.left + 2, left.top + 300);
  inject_mouse_(mouse_type_::up, left.left + 2, left.top + 300, button_left_);
  tb->btn_visible_(8, 2, false_);
  tb->update_(false, true);
  stretch();
  ASSERT_EQ(rec(8).dock, dock_left_);
  tb->state_save_(file);
  tb.reset();
  make_classic(file);
  EXPECT_EQ(tb->layout_loaded, true_);
  EXPECT_EQ(rec(8).dock, dock_left_);
  EXPECT_EQ(tb->btn_visible_(8, 2), false_);
  EXPECT_EQ(tb->btn_visible_(8, 1), true_);
  EXPECT_EQ(rec(7).dock, dock_right_);

  // A truncated file is refused whole: the default layout.
  const auto size = std::filesystem::file_size(file);
  std::filesystem::resize_file(file, size / 2);
  tb.reset();
  make_classic(file);
  EXPECT_NE(tb->layout_loaded, true_);
  EXPECT_EQ(rec(8).dock, dock_right_);
  EXPECT_EQ(tb->btn_visible_(8, 2), true_);
}
