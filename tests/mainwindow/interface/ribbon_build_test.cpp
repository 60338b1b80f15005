// The ribbon as the builder leaves it: combo widths by the screen's resolution, the icons of a
// group, and the keys that reach its items.
#include <filesystem>
#include <string>

#include "interface_fixture.h"
#include "mainwindow/interface/command_words.h"
#include "platform/services/picture_file.h"


namespace {

const ribbon_control_rec_& control(xribbon_& r, const char* key) {
  return r.controls[size_t(r.btnkey2id_(key))];
}

bool same_picture(const picture_rec_& a, const std::string& file) {
  picture_rec_ b;
  if (!load_picture_file_(file, b) || a.empty_()) return false;
  return a.images[0].width == b.images[0].width && a.images[0].argb == b.images[0].argb;
}

// A copy of the program's icon folder without one file.
std::string icons_without(const char* file) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(::testing::TempDir()) / (std::string("icons_without_") + file);
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const auto& e : fs::directory_iterator(icon_folder_()))
    if (e.is_regular_file() && e.path().filename() != file) fs::copy_file(e.path(), folder / e.path().filename());
  return folder.string() + "/";
}

}  // namespace

class ribbon_build : public interface_host {};

TEST_F(ribbon_build, combo_widths_follow_the_screen_resolution) {
  struct case_ {
    int32_t twips;  // 15 at 96 dpi, 12 at 120, 10 at 144
    const char* key;
    int32_t std_w, min_w;
  };
  // Widths scale by 15 / twips and round half to even (130.5 -> 130, 112.5 -> 112).
  const case_ cases[] = {
      {15, "PAGE_SEL", 160, 87},       {15, "LAYERS_LIST", 160, 90},    {12, "PAGE_SEL_EX", 200, 109},
      {12, "DIMSTYLES_LIST", 200, 112}, {10, "PAGE_SEL", 240, 130},      {10, "PAGE_SEL_EX", 240, 130},
      {10, "DIMSTYLES_LIST", 240, 135}, {10, "LAYERS_LIST", 240, 135},
  };
  for (const case_& c : cases) {
    make_ribbon(c.twips);
    const ribbon_control_rec_& combo = control(rc->model(), c.key);
    EXPECT_EQ(combo.std_rect.w, c.std_w) << c.key << " at " << c.twips;
    EXPECT_EQ(combo.min_rect.w, c.min_w) << c.key << " at " << c.twips;
    rc.reset();
  }
}

TEST_F(ribbon_build, a_group_draws_its_icons_from_consecutive_numbers) {
  make_ribbon();
  const int32_t first = control(rc->model(), "FILE").icon;
  ASSERT_GT(first, 0);
  for (int32_t n = 0; n < 3; ++n) {
    const std::string file = icon_folder_() + "zaz.std.0" + std::to_string(n + 1) + ".0.ico";
    EXPECT_TRUE(same_picture(icon_entry_(first + n)->small_picture, file)) << file;
  }
}

TEST_F(ribbon_build, a_missing_group_icon_leaves_the_later_buttons_their_pictures) {
  const std::string folder = icons_without("zaz.std.02.0.ico");
  make_ribbon(15, folder);
  const int32_t first = control(rc->model(), "FILE").icon;
  ASSERT_GT(first, 0);
  EXPECT_TRUE(same_picture(icon_entry_(first)->small_picture, icon_folder_() + "zaz.std.01.0.ico"));
  EXPECT_TRUE(icon_entry_(first + 1)->small_picture.empty_());
  EXPECT_TRUE(same_picture(icon_entry_(first + 2)->small_picture, icon_folder_() + "zaz.std.03.0.ico"));
  // The group that follows keeps its own pictures too.
  const int32_t undo = control(rc->model(), "UNDO").icon;
  EXPECT_EQ(undo, first + 3);
  EXPECT_TRUE(same_picture(icon_entry_(undo)->small_picture, icon_folder_() + "zaz.edt.01.0.ico"));
  std::filesystem::remove_all(folder);
}

TEST_F(ribbon_build, keys_reach_tabs_and_buttons) {
  make_ribbon();
  xribbon_& r = rc->model();
  std::vector<std::string> log;
  r.TabButtonClick = [&](const std::string& k) { log.push_back("tab " + k); };
  r.ButtonClick = [&](const std::string& k, int16_t i) { log.push_back("button " + k + " " + std::to_string(i)); };
  r.PopupMenuClick = [&](const std::string& k, int32_t) { log.push_back("item " + k); };
  ASSERT_EQ(r.tabid2key_(r.tab_id_()), "STD");
  struct case_ {
    int16_t shift, key;
    const char* event;
  };
  const case_ cases[] = {
      {0, 119, "tab VIEW"},               // F8
      {2, 'K', "button ARR_BACK 0"},      // Ctrl+K whatever tab is active
      {0, 46, "button DELETE 0"},         // the Delete key
      {2, 'B', "button BLOCK_SHOW 0"},    // Ctrl+B
      {0, 27, "item SELECT_STD.DEL"},     // ESC: STD's copy matches first on every tab
      {2, 'A', "item SELECT_STD.ALL"},
  };
  for (const case_& c : cases) {
    log.clear();
    r.check_shortcut_(c.shift, c.key);
    ASSERT_EQ(log.size(), 1u) << c.event;
    EXPECT_EQ(log[0], c.event);
  }
  EXPECT_EQ(r.tabid2key_(r.tab_id_()), "VIEW");
  EXPECT_EQ(command_word_(command_event_::ribbon_button, "DELETE"), "delete");
  EXPECT_EQ(command_word_(command_event_::ribbon_button, "ARR_BACK"), "a2back");
}

TEST_F(ribbon_build, split_buttons_start_with_their_first_variant) {
  make_ribbon();
  xribbon_& r = rc->model();
  EXPECT_EQ(r.buttonkey2_("ARC"), "ARC.R");
  EXPECT_EQ(r.buttonkey2_("CIRCLE"), "CIRCLE.R");
  EXPECT_EQ(r.buttonkey2_("ARRAY"), "ARRAY");
  EXPECT_EQ(control(r, "ARC").icon, fields.tool_icon_arc_r_);
  EXPECT_EQ(control(r, "PRINTING.PAGEORIENT").icon, fields.tool_icon_pageorient_h_);
  EXPECT_EQ(control(r, "PRINTING.PRINT.ALL").icon, print_icon);
  // The variant fields are distinct new entries, in load order.
  EXPECT_EQ(fields.tool_icon_arc_2p_, fields.tool_icon_arc_r_ + 1);
  EXPECT_EQ(fields.tool_icon_circle_3p_, fields.tool_icon_circle_r_ + 2);
  EXPECT_EQ(fields.tool_icon_array_circ_, fields.tool_icon_array_rect_ + 1);
  EXPECT_EQ(r.buttontext_("PVIEWG"), "BBBB");
  EXPECT_EQ(r.buttontext_("PVCBG"), "bBc");
  for (const char* k : {"SELECT_STD", "SELECT_TRN", "SELECT_DIM", "SELECT_VIEW", "SELECT_ARR"})
    EXPECT_EQ(r.buttonchecked_(k), true_) << k;
  EXPECT_EQ(r.buttonuserdraw_("LAYERS_LIST"), true_);
  // Items show their variant's icon (negated) or their colour swatch.
  EXPECT_EQ(r.popupmenuicon_("ARC.3P"), -fields.tool_icon_arc_3p_);
  EXPECT_EQ(r.popupmenuicon_("BGCOL.02"), 9868950);
}

TEST_F(ribbon_build, the_build_adds_every_row_once) {
  make_ribbon();
  const xribbon_& r = rc->model();
  EXPECT_EQ(r.mainmenu_count, 9);
  EXPECT_EQ(r.quick_count, 6);
  EXPECT_EQ(r.tab_count, 5);
  EXPECT_EQ(r.toolbar_count, 23);
  EXPECT_EQ(r.control_count, 112);
  EXPECT_EQ(r.popup_count, 54);
  EXPECT_EQ(r.tabid2key_(r.tab_id_()), "STD");  // the main window makes DRAW active afterwards
  EXPECT_EQ(r.helpicon_(), true_);
  EXPECT_EQ(panel->rborder_(), true_);
  EXPECT_FALSE(docks[0]->visible_());
  // The access key of the application menu's SAVE comes from its own key.
  EXPECT_EQ(r.mainmenu[3].key, "MMENU.SAVE");
  EXPECT_EQ(r.mainmenu[3].alt_key, lang_text_("mdi.mainmenu.nesavew.key"));
}

TEST_F(ribbon_build, an_item_whose_variant_icon_is_missing_shows_no_icon) {
  const std::string folder = icons_without("zaz.d2d.07.0b.ico");
  make_ribbon(15, folder);
  EXPECT_EQ(fields.tool_icon_arc_2p_, 0);
  // Not a colour square of colour 0 (black): no icon at all.
  EXPECT_EQ(rc->model().popupmenuicon_("ARC.2P"), -1);
  EXPECT_EQ(rc->model().popupmenuicon_("ARC.3P"), -fields.tool_icon_arc_3p_);
  std::filesystem::remove_all(folder);
}
