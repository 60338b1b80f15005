// The ribbon's tables: limits and refusals, tabs, toolbars, special buttons, popup items and
// the keyed properties.
#include <functional>

#include "ribbon_fixture.h"

namespace {

using ribbon_model = ribbon_test;

struct limit_case {
  const char* table;
  int capacity;
  std::function<int(xribbon_&, const std::string& key)> add;  // the new id (1 for true), 0 when refused
  int16_t xribbon_::*count;
};

std::vector<limit_case> limit_cases() {
  return {
      {"tabs", 32, [](xribbon_& r, const std::string& k) { return int{r.add_tabtop_(k, "T")}; }, &xribbon_::tab_count},
      {"toolbars", 256, [](xribbon_& r, const std::string& k) { return int{r.add_toolbar_(1, k, "TB")}; },
       &xribbon_::toolbar_count},
      {"controls", 1024,
       [](xribbon_& r, const std::string& k) {
         if (r.toolbar_count == 0) r.add_toolbar_(1, "TB");
         return int{r.add_button_(1, k, "B")};
       },
       &xribbon_::control_count},
      {"popup items", 1024, [](xribbon_& r, const std::string& k) { return int{r.add_popupmenuitem_(1, 0, k, "P")}; },
       &xribbon_::popup_count},
      {"list items", 1024, [](xribbon_& r, const std::string& k) { return int{r.add_list_item_(1, k, "L")}; },
       &xribbon_::list_count},
      {"main menu", 32, [](xribbon_& r, const std::string& k) { return int{r.add_mainmenuitem_(k, "M")}; },
       &xribbon_::mainmenu_count},
      {"quick buttons", 32, [](xribbon_& r, const std::string& k) { return r.add_quickbutton_(k) ? 1 : 0; },
       &xribbon_::quick_count},
      {"special buttons", 32, [](xribbon_& r, const std::string& k) { return r.add_special_button_(k) ? 1 : 0; },
       &xribbon_::special_count},
  };
}

TEST_F(ribbon_model, tables_take_their_capacity_and_refuse_one_more) {
  for (const limit_case& c : limit_cases()) {
    xribbon_ r(metrics_96);
    int last = 0;
    for (int i = 1; i <= c.capacity; ++i) last = c.add(r, "K" + std::to_string(i));
    EXPECT_NE(last, 0) << c.table;
    EXPECT_EQ(r.*c.count, c.capacity) << c.table;
    EXPECT_EQ(c.add(r, "ONE_MORE"), 0) << c.table;
    EXPECT_EQ(r.*c.count, c.capacity) << c.table;
  }
}

TEST_F(ribbon_model, reserved_key_is_refused_by_every_adder) {
  for (const limit_case& c : limit_cases()) {
    xribbon_ r(metrics_96);
    EXPECT_EQ(c.add(r, "  @main "), 0) << c.table;
    EXPECT_EQ(c.add(r, "@MAIN"), 0) << c.table;
    EXPECT_NE(c.add(r, "@MAINX"), 0) << c.table;
  }
}

TEST_F(ribbon_model, control_adders_take_only_toolbars_that_exist) {
  xribbon_ r(metrics_96);
  EXPECT_EQ(r.add_toolbar_(0, "T0"), 0);
  EXPECT_EQ(r.add_toolbar_(99, "T99"), 1);  // the tab id is not checked
  r.add_toolbar_(1, "T2");
  struct {
    int32_t toolbar;
    bool accepted;
  } cases[] = {{-1, false}, {0, false}, {1, true}, {2, true}, {3, false}, {256, false}, {257, false}};
  for (auto c : cases) {
    EXPECT_EQ(r.add_button_(c.toolbar, "B") != 0, c.accepted) << c.toolbar;
    EXPECT_EQ(r.add_group_(c.toolbar, "G", "BB") != 0, c.accepted) << c.toolbar;
    EXPECT_EQ(r.add_combo_(c.toolbar, "C", "x") != 0, c.accepted) << c.toolbar;
    EXPECT_EQ(r.add_separator_(c.toolbar, "S") != 0, c.accepted) << c.toolbar;
  }
  EXPECT_EQ(r.control_count, 8);
}

TEST_F(ribbon_model, tabs_measure_their_captions_and_the_first_becomes_active) {
  xribbon_ r(metrics_96);
  EXPECT_EQ(r.tab_id_(), 0);
  EXPECT_EQ(r.add_tabtop_(" HOME ", "  Home  ", " H ", " F5 "), 1);
  EXPECT_EQ(r.add_tabtop_("DRAW", "Drawing"), 2);
  EXPECT_EQ(r.tab_id_(), 1);
  EXPECT_EQ(r.tabs[1].key, "HOME");
  EXPECT_EQ(r.tabs[1].alt_key, "H");
  EXPECT_EQ(r.tabs[1].shortcut, "F5");
  EXPECT_EQ(r.tabs[1].layout_width, 4 * 2 + 24);
  EXPECT_EQ(r.tabs[2].left, 32);
  EXPECT_EQ(r.tabs[2].right, 32 + 7 * 2 + 24);
  r.tabs[2].text = "Draw";
  EXPECT_EQ(r.update_tabs_(), 0);
  EXPECT_EQ(r.tabs[2].right, 32 + 32);
  r.set_tabextracolor_(0, 5);
  r.set_tabextracolor_(3, 5);
  r.set_tabextracolor_(2, 5);
  EXPECT_EQ(r.tabs[1].extra_color, 0);
  EXPECT_EQ(r.tabs[2].extra_color, 5);
}

TEST_F(ribbon_model, toolbar_collapsed_width_and_shortcut) {
  xribbon_ r(metrics_96);
  r.add_toolbar_(1, "A", std::string(15, 'a'), false, "CTRL+A");  // caption 30 pixels
  r.add_toolbar_(1, "B", std::string(30, 'b'), true, " F2 ");     // caption 60 pixels
  EXPECT_EQ(r.toolbars[1].collapsed_width, 48);
  EXPECT_EQ(r.toolbars[2].collapsed_width, 68);
  EXPECT_EQ(r.toolbars[1].shortcut, "");
  EXPECT_EQ(r.toolbars[2].shortcut, " F2 ");
  EXPECT_EQ(r.toolbars[1].std_width, 48);
  EXPECT_EQ(r.toolbars[1].visible, true_);
}

TEST_F(ribbon_model, checked_state_and_icons_by_key) {
  xribbon_ r(metrics_96);
  r.add_tabtop_("T");
  r.add_toolbar_(1, "STD");
  r.add_toolbar_(1, "OTHER");
  r.add_button_(1, "STD");
  r.add_button_(1, "B2", "", 0, 1, 1, 7);
  r.add_button_(2, "B3");
  for (const char* k : {"STD", "B2", "B3"}) r.buttonchecked_(k, true);
  r.clear_btnschecked_("std");  // toolbar keys without case here
  EXPECT_EQ(r.buttonchecked_("STD"), false_);
  EXPECT_EQ(r.buttonchecked_("B2"), false_);
  EXPECT_EQ(r.buttonchecked_("B3"), true_);
  r.set_buttonicon_("std", 3);  // control keys with case
  EXPECT_EQ(r.controls[1].icon, 0);
  r.set_buttonicon_(" STD ", 3);
  EXPECT_EQ(r.controls[1].icon, 3);
  EXPECT_EQ(r.controls[2].type, ribbon_plain_button_);  // type 7 is a plain button
}

TEST_F(ribbon_model, special_button_widths) {
  xribbon_ r(metrics_96);
  r.add_special_button_("A", " - ");
  r.add_special_button_("B", std::string(20, 'x'), "", 1);  // text 40 pixels
  r.add_special_button_("C");
  EXPECT_EQ(r.special[1].width, 4);
  EXPECT_EQ(r.special[2].width, 70);
  EXPECT_EQ(r.special[3].width, 6);
  EXPECT_EQ(r.special[1].left, 2);
  EXPECT_EQ(r.special[3].left, 76);
  EXPECT_EQ(r.special[3].right, 82);
}

TEST_F(ribbon_model, popup_owners_and_capacity) {
  xribbon_ r(metrics_96);
  EXPECT_EQ(r.add_popupmenuitem_(1025, 0, "A", "a"), 0);
  EXPECT_EQ(r.add_popupmenuitem_(-1025, 0, "A", "a"), 0);
  EXPECT_EQ(r.add_popupmenuitem_(-1024, 0, "A", "a"), 1);
  EXPECT_EQ(r.add_popupmenuitem_(0, 0, "A", "a"), 2);
  EXPECT_EQ(r.add_popupmenuitem_(1024, 0, "A", "a"), 3);
  for (int i = 4; i <= 1024; ++i) r.add_popupmenuitem_(i <= 13 ? 7 : 8, 0, "K", "k");
  EXPECT_EQ(r.add_popupmenuitem_(8, 0, "K", "k"), 0);
  r.clear_popupmenu_(7);  // removes the ten rows of owner 7 and the row of owner 0
  EXPECT_EQ(r.popup_count, 1024 - 11);
  for (int i = 0; i < 11; ++i) EXPECT_NE(r.add_popupmenuitem_(8, 0, "K", "k"), 0) << i;
  EXPECT_EQ(r.add_popupmenuitem_(8, 0, "K", "k"), 0);
}

TEST_F(ribbon_model, clearing_popup_rows_compacts_and_drops_owner_zero) {
  struct {
    std::vector<int32_t> owners;
    int32_t cleared;
    std::vector<std::string> kept;  // keys left, in id order
  } cases[] = {
      {{3, 0, 3, 5}, 5, {"R1", "R3"}},
      {{7, 8, 7, 0, 9}, 7, {"R2", "R5"}},
      {{1, 2}, 99, {"R1", "R2"}},
  };
  for (const auto& c : cases) {
    xribbon_ r(metrics_96);
    for (size_t i = 0; i < c.owners.size(); ++i) r.add_popupmenuitem_(c.owners[i], 1, "R" + std::to_string(i + 1), "x");
    r.clear_popupmenu_(c.cleared);
    ASSERT_EQ(r.popup_count, static_cast<int16_t>(c.kept.size()));
    for (size_t i = 0; i < c.kept.size(); ++i) EXPECT_EQ(r.popup[i + 1].key, c.kept[i]);
    EXPECT_EQ(r.popup[c.kept.size() + 1].key, "");  // the slot after them is empty
    EXPECT_EQ(r.popup[c.kept.size() + 1].owner_id, 0);
  }
}

TEST_F(ribbon_model, popup_rows_values_separators_and_heights) {
  struct {
    std::string text;
    bool big;
    uint8_t value_list;
    std::vector<int32_t> values;
    int32_t height_96, height_large;
  } cases[] = {
      {"  %:10|20| 30  ", false, 1, {10, 20, 30}, 23, 26},
      {"%:", false, 1, {}, 23, 26},
      {"%:a|2.5|3.5", false, 1, {0, 2, 4}, 23, 26},
      {"%:-7| 255x|1e3", false, 1, {-7, 255, 1000}, 23, 26},
      {"%:1e999|-1e999|1e-999|.5|x.5", false, 1, {INT32_MAX, INT32_MIN, 0, 0, 0}, 23, 26},
      {"  -  ", true, 0, {}, 6, 6},
      {"Big row", true, 0, {}, 41, 45},
      {"Row", false, 0, {}, 23, 26},
  };
  for (const auto& c : cases) {
    for (bool large : {false, true}) {
      xribbon_ r(large ? metrics_large : metrics_96);
      ASSERT_EQ(r.add_popupmenuitem_(1, 0, " K ", c.text, " ctrl+k ", true, -2, false, " a ", true, 9, c.big), 1);
      const menu_item_rec_& p = r.popup[1];
      EXPECT_EQ(p.text, trim_blanks_(c.text));
      EXPECT_EQ(p.value_list, c.value_list) << c.text;
      EXPECT_EQ(p.values, c.values) << c.text;
      EXPECT_EQ(p.height, large ? c.height_large : c.height_96) << c.text;
      EXPECT_EQ(p.key, "K");
      EXPECT_EQ(p.shortcut, "ctrl+k");
      EXPECT_EQ(p.enabled, true_);
      EXPECT_EQ(p.checked, true_);
      EXPECT_EQ(p.value, 9);
    }
  }
}

TEST_F(ribbon_model, new_popup_text_takes_its_values_from_the_trimmed_text) {
  xribbon_ r(metrics_96);
  r.add_popupmenuitem_(1, 0, "ROW", "Plain");
  r.add_popupmenuitem_(1, 0, "ROW", "Second with the same key");
  r.set_pmenutext_("row", "%:1|2");  // keys with case: nothing changes
  EXPECT_EQ(r.popup[1].text, "Plain");
  r.set_pmenutext_(" ROW ", "%:1|2");
  EXPECT_EQ(r.popup[1].value_list, 1);
  EXPECT_EQ(r.popup[1].values, (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(r.popup[1].height, 23);  // not measured again
  EXPECT_EQ(r.popup[2].text, "Second with the same key");
  // Blanks before "%:" stay in the stored text but do not shift the values.
  r.set_pmenutext_("ROW", "  %:7|8 ");
  EXPECT_EQ(r.popup[1].text, "  %:7|8 ");
  EXPECT_EQ(r.popup[1].values, (std::vector<int32_t>{7, 8}));
  r.set_pmenutext_("ROW", "Plain again");
  EXPECT_EQ(r.popup[1].value_list, 0);
  EXPECT_TRUE(r.popup[1].values.empty());
  EXPECT_EQ(r.popupmenutext_("ROW"), "Plain again");
}

TEST_F(ribbon_model, keyed_members_find_the_first_exact_key) {
  xribbon_ r(metrics_96);
  r.add_tabtop_("T");
  r.add_toolbar_(1, "TB");
  r.add_button_(1, "LINE", "Line", 0, 1, 1, 1, true, "", "", "tip one");
  r.add_button_(1, "LINE", "Second line");
  r.buttonchecked_(" LINE ", true);
  EXPECT_EQ(r.buttonchecked_("  LINE  "), true_);
  EXPECT_EQ(r.buttonchecked_("line"), false_);
  EXPECT_EQ(r.controls[2].checked, false_);
  EXPECT_EQ(r.btnkey2id_("LINE"), 1);
  EXPECT_EQ(r.btnkey2id_("NONE"), 0);
  r.buttontext_("LINE", "  New  ");
  EXPECT_EQ(r.buttontext_("LINE"), "  New  ");  // stored as given
  EXPECT_EQ(r.buttonkey2_("LINE"), "LINE");
  r.buttonkey2_("LINE", "SECOND");
  EXPECT_EQ(r.buttonkey2_("LINE"), "SECOND");
  r.buttonuserdraw_("LINE", true);
  EXPECT_EQ(r.buttonuserdraw_("LINE"), true_);
  EXPECT_EQ(r.buttonuserdraw_("NONE"), false_);
  EXPECT_EQ(r.buttontooltip_(1), "tip one");
  for (int32_t id : {0, 3, -1}) {
    r.buttontooltip_(id, "x");
    EXPECT_EQ(r.buttontooltip_(id), "") << id;
  }
  r.tabtooltip_(1, "tab tip");
  EXPECT_EQ(r.tabtooltip_(1), "tab tip");
  EXPECT_EQ(r.tabtooltip_(2), "");
  EXPECT_EQ(r.tabid2key_(1), "T");
  EXPECT_EQ(r.tabid2key_(0), "");

  r.add_popupmenuitem_(1, 0, "PM", "Row");
  r.popupmenuchecked_("PM", true);
  r.popupmenuvisible_("PM", false);
  r.popupmenuicon_("PM", 255);
  EXPECT_EQ(r.popupmenuchecked_("PM"), true_);
  EXPECT_EQ(r.popupmenuvisible_("PM"), false_);
  EXPECT_EQ(r.popupmenuicon_("PM"), 255);
  EXPECT_EQ(r.popupmenuicon_("pm"), 0);
  EXPECT_EQ(r.popupmenuvisible_("NONE"), false_);
}

TEST_F(ribbon_model, active_tab_and_toolbar_visibility_refit) {
  xribbon_ r(metrics_96);
  ribbon_log_ log;
  log.attach(r);
  r.set_scale_size_(1000, 117);
  r.add_tabtop_("A");
  r.add_tabtop_("B");
  r.add_toolbar_(1, "TA");
  r.add_toolbar_(2, "TB");
  for (int32_t id : {0, -1, 3}) {
    r.tab_id_(id);
    EXPECT_EQ(r.tab_id_(), 1) << id;
  }
  EXPECT_EQ(log.repaints, 0);
  EXPECT_EQ(r.toolbars[2].fit_state, 0);
  r.tab_id_(2);  // fits and repaints, raises nothing
  EXPECT_EQ(r.tab_id_(), 2);
  EXPECT_EQ(r.toolbars[2].fit_state, toolbar_standard_);
  EXPECT_EQ(log.repaints, 1);
  EXPECT_EQ(log.take(), "");

  r.toolbars[2].fit_state = 0;
  r.toolbarvisible_("TB", true);  // unchanged: no fit
  EXPECT_EQ(r.toolbars[2].fit_state, 0);
  r.toolbarvisible_("TB", false);
  r.toolbarvisible_("TB", true);
  EXPECT_EQ(r.toolbarvisible_("TB"), true_);
  EXPECT_EQ(r.toolbars[2].fit_state, toolbar_standard_);
}

TEST_F(ribbon_model, application_menu_list_items_and_repaints) {
  for (const ui_metrics_rec_* m : {&metrics_96, &metrics_large}) {
    xribbon_ r(*m);
    ribbon_log_ log;
    log.attach(r);
    EXPECT_EQ(r.add_mainmenuitem_(" NEW ", " New ", " ctrl+n ", 2, " n "), 1);
    EXPECT_EQ(r.add_mainmenuitem_("SEP", " - "), 2);
    EXPECT_EQ(r.mainmenu[1].height, 38);
    EXPECT_EQ(r.mainmenu[2].height, 5);
    EXPECT_EQ(r.mainmenu[1].shortcut, "ctrl+n");
    r.set_mainmenuvisible_("new", false);  // with case
    EXPECT_EQ(r.mainmenu[1].visible, true_);
    r.set_mainmenuvisible_("NEW", false);
    EXPECT_EQ(r.mainmenu[1].visible, false_);

    EXPECT_EQ(r.add_list_item_(-1025, "A", "a"), 0);
    EXPECT_EQ(r.add_list_item_(5, " A ", " - "), 1);
    EXPECT_EQ(r.add_list_item_(5, "B", "Row", true, 3, true, " b "), 2);
    EXPECT_EQ(r.list_items[1].height, 6);
    EXPECT_EQ(r.list_items[2].height, m->list_row_h_);
    EXPECT_EQ(r.list_items[2].alt_key, "b");

    r.set_appicon_(7);
    EXPECT_EQ(r.main_icons, (std::array<int32_t, 4>{7, 7, 7, 0}));
    r.set_appicon_(7, 8, -5, 9);
    EXPECT_EQ(r.main_icons, (std::array<int32_t, 4>{7, 8, 7, 9}));
    EXPECT_EQ(log.repaints, 2);
    r.buttonmaintooltip_("  Menu  ");
    EXPECT_EQ(r.buttonmaintooltip_(), "Menu");

    // refresh_ repaints without fitting again.
    r.set_scale_size_(1000, m->ribbon_base_h_);
    r.add_tabtop_("T");
    r.add_toolbar_(1, "TB");
    r.add_button_(1, "B", "Caption");
    r.buttontext_("B", "A much longer caption");
    r.refresh_();
    EXPECT_EQ(log.repaints, 3);
    EXPECT_EQ(r.toolbars[1].fit_state, 0);
    EXPECT_EQ(r.buttonwidth_("B", true), 7 * 2 + 12);
  }
}

TEST_F(ribbon_model, switched_off_ribbon_and_window_ids) {
  xribbon_ r(metrics_96);
  int blanks = 0;
  std::vector<int32_t> asked;
  r.hooks.blank = [&] { ++blanks; };
  r.hooks.frame_top_inset = [&](int32_t id) {
    asked.push_back(id);
    return 2;
  };
  EXPECT_EQ(r.tben_(), true_);
  EXPECT_EQ(r.grbh_(), 2 + 117);
  r.tben_(false);
  EXPECT_EQ(r.tben_(), false_);
  EXPECT_EQ(blanks, 1);
  EXPECT_EQ(r.grbh_(), 0);
  r.tben_(true);
  EXPECT_EQ(blanks, 1);
  // Ids outside the frame table have no frame rows and are never looked up.
  for (int32_t id : {-1, 1025, 1 << 20}) {
    r.pWindowID(id);
    EXPECT_EQ(r.pWindowID(), id);
    EXPECT_EQ(r.frame_top_offset_(), 0) << id;
    EXPECT_EQ(r.grbh_(), 117) << id;
  }
  r.pWindowID(1024);
  EXPECT_EQ(r.frame_top_offset_(), 2);
  EXPECT_EQ(asked, (std::vector<int32_t>{0, 1024}));
}

TEST_F(ribbon_model, quick_buttons_go_to_the_frame_in_id_order) {
  xribbon_ r(metrics_96);
  r.add_quickbutton_(" SAVE ", " Save ", "tip", 4, " S ");
  r.add_quickbutton_("UNDO");
  std::vector<std::string> calls;
  r.hooks.clear_caption_buttons = [&](int32_t id) { calls.push_back("clear " + std::to_string(id)); };
  r.hooks.add_caption_button = [&](int32_t id, const std::string& k, const std::string& t, const std::string& tip,
                                   int16_t icon, const std::string& alt) {
    calls.push_back(std::to_string(id) + " " + k + "|" + t + "|" + tip + "|" + std::to_string(icon) + "|" + alt);
  };
  r.add_qbs2frm_(3);
  EXPECT_EQ(calls, (std::vector<std::string>{"clear 3", "3 SAVE|Save|tip|4|S", "3 UNDO|||0|"}));
}

}  // namespace
