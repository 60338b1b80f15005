// The panel's tables: limits, renumbering, sizes, exact keys, drop-list rows and snapshots.
#include "panel_fixture.h"

// The application object lives until exit, and fontconfig keeps what it loads until then.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

using panel_model = panel_host;

TEST_F(panel_model, adds_are_refused_before_the_main_window_and_beyond_the_limits) {
  panel->mdi_window_hwnd_ = 0;
  EXPECT_EQ(panel->add_group_("G", "G"), 0);
  EXPECT_EQ(panel->add_comboitem_("C", "K", "T"), 0);
  panel->mdi_window_hwnd_ = main->handle_();
  for (int g = 1; g <= 16; ++g) ASSERT_EQ(panel->add_group_("G" + std::to_string(g), ""), g);
  EXPECT_EQ(panel->add_group_("G17", ""), 0);
  panel->mdi_window_hwnd_ = 0;
  EXPECT_EQ(panel->add_item_(1, "I"), 0);
  panel->mdi_window_hwnd_ = main->handle_();
  EXPECT_EQ(panel->add_item_(0, "I"), 0);
  EXPECT_EQ(panel->add_item_(17, "I"), 0);
  for (int i = 1; i <= 256; ++i) ASSERT_EQ(panel->add_item_(1 + i % 16, "I" + std::to_string(i)), i);
  EXPECT_EQ(panel->add_item_(1, "I257"), 0);
  EXPECT_EQ(panel->item_count_(), 256);
  EXPECT_EQ(panel->add_comboitem_("  ", "K", "T"), 0);
}

TEST_F(panel_model, erasing_the_middle_group_renumbers_the_third_groups_items) {
  const int32_t a = panel->add_group_("A", "A"), b = panel->add_group_("B", ""), c = panel->add_group_("C", "");
  panel->add_item_(a, "A1");
  panel->add_item_(b, "B1", 1, "", false_, "", 0, 0, 0, 22, 22);
  panel->add_item_(b, "B2", 1, "", false_, "", 0, 0, 30, 22, 22);
  panel->add_item_(c, "C1");
  panel->add_item_(c, "C2");
  EXPECT_EQ(panel->lastbottom_(b), 52);
  panel->erase_group_("B");
  EXPECT_EQ(panel->item_count_(), 3);
  EXPECT_EQ(panel->key2id_("A1"), 1);  // the item before the erased ones keeps its key
  EXPECT_EQ(panel->key2id_("C1"), 2);
  EXPECT_EQ(panel->key2id_("C2"), 3);
  EXPECT_EQ(panel->key2id_("B1"), 0);
  EXPECT_EQ(panel->lastbottom_(b), 0);
  EXPECT_EQ(panel->group_(b).bottom, 0);
  EXPECT_EQ(panel->group2gid_("B"), b);  // the group itself stays
  EXPECT_EQ(panel->id2group_(2), "C");
}

TEST_F(panel_model, move2begin_puts_a_groups_items_first_in_their_order) {
  const int32_t a = panel->add_group_("A", ""), b = panel->add_group_("B", "");
  panel->add_item_(a, "A1");
  panel->add_item_(b, "B1");
  panel->add_item_(a, "A2");
  panel->add_item_(b, "B2");
  panel->move2begin_("B");
  const std::vector<std::string> want{"B1", "B2", "A1", "A2"};
  for (int32_t id = 1; id <= 4; ++id) EXPECT_EQ(panel->id2key_(id), want[size_t(id - 1)]);
  panel->move2begin_("none");
  EXPECT_EQ(panel->id2key_(1), "B1");
}

TEST_F(panel_model, zero_sizes_come_from_the_title) {
  const int32_t g = panel->add_group_("G", "");
  struct row {
    std::string title;
    int32_t icon, want_w, want_h;
  };
  // 7 pixels a character, lines 13 high: "Length" is 42 wide; 13 + 8 is raised to 22.
  for (const row& r : {row{"Length", 0, 50, 22}, row{"Length", 4, 75, 22}, row{"", 0, 8, 22}}) {
    const int32_t id = panel->add_item_(g, "K", 2, r.title, false_, "", r.icon, 0, 0, 0, 0);
    EXPECT_EQ(panel->item_(id).sx, r.want_w) << r.title << r.icon;
    EXPECT_EQ(panel->item_(id).sy, r.want_h);
  }
}

TEST_F(panel_model, keys_are_exact_and_new_items_start_unchecked) {
  const int32_t g = panel->add_group_("G", "");
  panel->add_item_(g, "AD_LENGTH", 3, "x", true_);
  EXPECT_EQ(panel->key2id_("ad_length"), 0);
  EXPECT_EQ(panel->key2id_("AD_LENGTH "), 0);
  EXPECT_EQ(panel->key2id_("AD_LENGTH"), 1);
  EXPECT_EQ(panel->item_checked_("AD_LENGTH"), 0);
  panel->item_checked_("AD_LENGTH", true_);
  EXPECT_EQ(panel->chkv_(1), true_);
  EXPECT_EQ(panel->textv_(9), "");
}

TEST_F(panel_model, drop_list_rows_parse_values_and_the_first_row_selects) {
  const int32_t g = panel->add_group_("G", "");
  panel->add_item_(g, "AT_DCOLOR", 4);
  const int32_t first = panel->add_comboitem_(" AT_DCOLOR ", " DC.BYLAYER ", "By layer ");
  const int32_t sep = panel->add_comboitem_("AT_DCOLOR", "DC.S", "-");
  const int32_t vals = panel->add_comboitem_("AT_DCOLOR", "DC.V", "%:1|x|2.5|-3");
  EXPECT_EQ(panel->item_(1).combo_value, first);
  EXPECT_EQ(panel->list_item_(first).key, "DC.BYLAYER");
  EXPECT_EQ(panel->list_item_(first).owner_key, "AT_DCOLOR");
  EXPECT_EQ(panel->list_item_(sep).height, 6);
  EXPECT_EQ(panel->list_item_(vals).height, 23);
  EXPECT_EQ(panel->list_item_(vals).y, 23 + 6);
  EXPECT_EQ(panel->list_item_(vals).values, (std::vector<int32_t>{1, 0, 2, -3}));
  panel->cvalue_("AT_DCOLOR", "DC.V");
  EXPECT_EQ(panel->item_(1).combo_value, vals);
  EXPECT_EQ(panel->cvalue_("AT_DCOLOR"), "By layer");  // the getter selects the first row again
  EXPECT_EQ(panel->item_(1).combo_value, first);
  panel->cvalue_("AT_DCOLOR", "nothing");
  EXPECT_EQ(panel->item_(1).combo_value, first);
}

// The tool panel keeps each tool's values in a snapshot named after the tool.
TEST_F(panel_model, snapshots_restore_by_key_after_a_rebuild_in_another_order) {
  auto build = [&](bool reversed) {
    panel->clear_();
    const int32_t g = panel->add_group_("G", "");
    std::vector<std::string> keys{"LEN", "ANG", "LOCK"};
    if (reversed) keys = {"LOCK", "ANG", "LEN"};
    for (const std::string& k : keys) panel->add_item_(g, k, k == "LOCK" ? 3 : 5, k, false_, "0");
  };
  build(false);
  EXPECT_EQ(panel->restore_settings_("LINE"), false_);
  panel->textv_(1, "10");
  panel->textv_(2, "30");
  EXPECT_EQ(panel->save_settings_("LINE"), true_);
  panel->textv_(1, "11");
  panel->chkv_(3, true_);
  panel->save_settings_("LINE");  // the second save replaces the first
  build(true);
  EXPECT_EQ(panel->restore_settings_("LINE"), true_);
  EXPECT_EQ(panel->textv_(panel->key2id_("LEN")), "11");
  EXPECT_EQ(panel->textv_(panel->key2id_("ANG")), "30");
  EXPECT_EQ(panel->chkv_(panel->key2id_("LOCK")), true_);
  EXPECT_EQ(panel->item_(panel->key2id_("LOCK")).kind, 3);  // only values are restored
}

TEST_F(panel_model, a_nosave_copy_is_passed_over_for_a_later_one) {
  const int32_t g = panel->add_group_("G", "");
  panel->add_item_(g, "K", 5, "", false_, "first", 0, 0, 0, 22, 22, 0, 0, 0, 0, true_);
  panel->add_item_(g, "K", 5, "", false_, "second");
  panel->add_item_(g, "N", 5, "", false_, "kept", 0, 0, 0, 22, 22, 0, 0, 0, 0, true_);
  panel->save_settings_("S");
  panel->textv_(1, "x");
  panel->textv_(3, "y");
  panel->restore_settings_("S");
  EXPECT_EQ(panel->textv_(1), "second");  // the current item's own nosave does not matter
  EXPECT_EQ(panel->textv_(3), "y");       // its only copy was saved with nosave
}

}  // namespace
