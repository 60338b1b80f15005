// The button store, tool windows, menu items, properties, key2id_ and mix_color_.
#include "docktb_fixture.h"
#include "shell/ui_metrics.h"

// Tool windows measure with the interface font, whose lookup registers the bundled Tahoma with
// Qt's font database; fontconfig keeps that registration until exit behind offsets the leak
// checker cannot follow.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

using docktb_model = docktb_host;

int32_t add(xdocktb_& tb, int32_t t, const std::string& key, int32_t type = 1, int32_t icon = 3,
            const std::string& tip = "", bool check = false, const std::string& key2 = "") {
  std::string k = key, text = "text of " + key;
  return tb.add_button_(t, k, text, type, &icon, false, tip, check, false, 100, 0, 0, key2);
}

int32_t exbtn_items(const xdocktb_& tb, int32_t t) {
  int32_t n = 0;
  for (const auto& it : tb.button_(-t).items) n += it.key.rfind("EXBTN_", 0) == 0;
  return n;
}

TEST_F(docktb_model, a_key_added_twice_is_one_button_that_keeps_its_first_entry) {
  const int32_t t = tb_->add_toolbar_("Draw");
  std::string k = " line ", text = "Line";
  int32_t icon = 7;
  const int32_t id = tb_->add_button_(t, k, text, 3, &icon, false, "  Draws lines ", true);
  EXPECT_EQ(k, "LINE");  // written back normalised
  ASSERT_EQ(id, 1);
  const int32_t again = add(*tb_, t, "LINE", 5, 9, "other", false);
  EXPECT_EQ(again, id);
  const dock_button_rec_& b = tb_->button_(id);
  EXPECT_EQ(b.type, 3);
  EXPECT_EQ(b.icon, 7);
  EXPECT_EQ(b.tip, "Draws lines");
  EXPECT_EQ(b.check, true_);
  EXPECT_EQ(b.key2, "LINE");
  EXPECT_EQ(tb_->button_count, 1);
  EXPECT_EQ(exbtn_items(*tb_, t), 1);
  EXPECT_EQ(tb_->toolbars[size_t(t)].slot_count, 2);
  const auto& item = tb_->button_(-t).items[0];
  EXPECT_EQ(item.key, "EXBTN_LINE");
  EXPECT_EQ(item.value, id);
  EXPECT_EQ(item.check, true_);
}

TEST_F(docktb_model, tables_refuse_at_their_limits) {
  for (int i = 1; i <= 64; ++i) ASSERT_EQ(tb_->add_toolbar_("tb" + std::to_string(i)), i);
  EXPECT_EQ(tb_->add_toolbar_("one too many"), 0);
  EXPECT_EQ(tb_->tbcount_(), 64);
  for (int i = 1; i <= 64; ++i) ASSERT_GT(add(*tb_, 1, "K" + std::to_string(i)), 0);
  EXPECT_EQ(add(*tb_, 1, "K65"), 0);
  EXPECT_EQ(tb_->toolbars[1].slot_count, 64);
  EXPECT_EQ(add(*tb_, 0, "X"), 0);
  EXPECT_EQ(add(*tb_, 65, "X"), 0);
}

TEST_F(docktb_model, a_full_button_store_adds_no_slot) {
  for (int t = 1; t <= 17; ++t) tb_->add_toolbar_("tb");
  int32_t added = 0;
  for (int t = 1; t <= 16; ++t)
    for (int i = 1; i <= 64; ++i) added += add(*tb_, t, "B" + std::to_string(added + 1)) > 0;
  ASSERT_EQ(tb_->button_count, 1024);
  EXPECT_EQ(add(*tb_, 17, "ONE_MORE"), 0);
  EXPECT_EQ(tb_->toolbars[17].slot_count, 0);
  EXPECT_TRUE(tb_->button_(-17).items.empty());
  // A key already in the store still gets its slot.
  EXPECT_EQ(add(*tb_, 17, "b5"), 5);
  EXPECT_EQ(tb_->toolbars[17].slot_count, 1);
}

TEST_F(docktb_model, add_toolbar_normalises_its_arguments) {
  // Before dock_ no area exists: a left tool window is stored floating.
  EXPECT_EQ(tb_->add_toolbar_(" Left ", 3, 0, -1, -1, false, 5), 1);
  EXPECT_EQ(tb_->toolbars[1].dock, 0);
  EXPECT_EQ(tb_->toolbars[1].row, 1);
  EXPECT_EQ(tb_->toolbars[1].snap, 0);
  EXPECT_EQ(tb_->toolbars[1].title, "Left");
  dock_all();
  EXPECT_EQ(tb_->add_toolbar_("L", 3, 300, 0, 0, false, 2, true), 2);
  EXPECT_EQ(tb_->toolbars[2].dock, 3);
  EXPECT_EQ(tb_->toolbars[2].row, 255);  // rows beyond the table join the last one
  EXPECT_EQ(tb_->toolbars[2].snap, 2);
  EXPECT_EQ(tb_->tbclose_(2), true_);
  EXPECT_EQ(area_[1]->client_width_(), main_w);  // the host stretched what dock_ emptied
}

TEST_F(docktb_model, add_button_normalises_sizes_keys_and_icons) {
  const int32_t t = tb_->add_toolbar_("t");
  std::string k = "box", text = "Box";
  int32_t icon = 7;
  const int32_t id = tb_->add_button_(t, k, text, 5, &icon, false, "", false, false, 10, 0, 0, "  ");
  EXPECT_EQ(icon, 0);
  EXPECT_EQ(tb_->button_(id).icon, 0);
  EXPECT_EQ(tb_->button_(id).csize, 24);
  EXPECT_EQ(tb_->button_(id).key2, "BOX");
  EXPECT_EQ(add(*tb_, t, "other", 1, 3, "", false, " second "), 2);
  EXPECT_EQ(tb_->button_(2).key2, "SECOND");
  EXPECT_EQ(tb_->button_text_(t, 1), "Box");
  EXPECT_EQ(tb_->button_text_(t, 0), "");
}

TEST_F(docktb_model, menu_items_stack_their_rows_and_sub_items_start_again) {
  const int32_t t = tb_->add_toolbar_("m");
  const int32_t b = add(*tb_, t, "file", 5);
  EXPECT_EQ(tb_->add_menu_(b, " open ", " Open "), 1);
  EXPECT_EQ(tb_->add_menu_(b, "sep", "  -  "), 2);
  EXPECT_EQ(tb_->add_menu_(b, "save", "Save", " Ctrl+S "), 3);
  const auto& items = tb_->button_(b).items;
  EXPECT_EQ(items[0].key, "OPEN");
  EXPECT_EQ(items[0].text, "Open");
  EXPECT_EQ(items[0].width, 4 * 7 + 10);
  EXPECT_EQ(items[0].height, ui_metrics_.list_row_h_);
  EXPECT_EQ(items[0].y, 2);
  EXPECT_EQ(items[1].width, 10);
  EXPECT_EQ(items[1].height, 3);
  EXPECT_EQ(items[1].y, 2 + ui_metrics_.list_row_h_);
  EXPECT_EQ(items[2].y, items[1].y + 3);
  EXPECT_EQ(items[2].shortcut, "Ctrl+S");
  EXPECT_EQ(tb_->add_submenu_(b, 1, "recent1", "a.arx"), 1);
  EXPECT_EQ(tb_->add_submenu_(b, 1, "recent2", "b.arx"), 2);
  EXPECT_EQ(items[0].subs[0].y, 2);
  EXPECT_EQ(items[0].subs[1].y, 2 + ui_metrics_.list_row_h_);
  EXPECT_EQ(tb_->icount_menu_(b, 0), 3);
  EXPECT_EQ(tb_->icount_menu_(b, 1), 2);
  EXPECT_EQ(tb_->icount_menu_(b, 9), 0);
  EXPECT_EQ(tb_->add_submenu_(b, 9, "nowhere", "x"), 0);  // no item 9 to hold it
  EXPECT_EQ(tb_->add_menu_(0, "k", "t"), 0);
  EXPECT_EQ(tb_->add_menu_(2, "k", "t"), 0);
  tb_->erase_menu_(b, 1);
  EXPECT_EQ(tb_->icount_menu_(b, 1), 0);
  EXPECT_EQ(tb_->icount_menu_(b, 0), 3);
  tb_->erase_menu_(b, 0);
  EXPECT_EQ(tb_->icount_menu_(b, 0), 0);
}

TEST_F(docktb_model, properties_read_neutral_values_out_of_range_and_store_unchanged) {
  const int32_t t = tb_->add_toolbar_("t");
  const int32_t b = add(*tb_, t, "line");
  tb_->toolbar_title_(t, "  spaced  ");
  EXPECT_EQ(tb_->toolbar_title_(t), "  spaced  ");
  tb_->button_key_(b, " low ");
  EXPECT_EQ(tb_->button_key_(b), " low ");
  EXPECT_EQ(tb_->key2id_("LOW"), b);  // searches normalise the stored key
  tb_->button_ckeck_(b, true_);
  EXPECT_EQ(tb_->button_ckeck_(b), true_);
  for (int32_t bad : {0, 2, -1}) {
    EXPECT_EQ(tb_->button_ckeck_(bad), 0);
    EXPECT_EQ(tb_->button_key_(bad), "");
    EXPECT_EQ(tb_->button_ico_(bad), 0);
    tb_->button_ico_(bad, 9);
  }
  EXPECT_EQ(tb_->toolbar_title_(2), "");
  EXPECT_EQ(tb_->tbtitle_(0), "");
  EXPECT_EQ(tb_->tbtitle_(65), "");
  EXPECT_EQ(tb_->tbclose_(0), 0);
}

TEST_F(docktb_model, key2id_finds_keys_or_second_keys) {
  const int32_t t = tb_->add_toolbar_("t");
  add(*tb_, t, "LINE", 1, 1, "", false, "line2");
  add(*tb_, t, "ARC");
  EXPECT_EQ(tb_->key2id_(" line "), 1);
  EXPECT_EQ(tb_->key2id_("line2"), 0);
  EXPECT_EQ(tb_->key2id_("LINE2", true), 1);
  EXPECT_EQ(tb_->key2id_("arc", true), 2);
  EXPECT_EQ(tb_->key2id_("EXBTN_LINE"), 0);  // end-button entries are not searched
}

TEST_F(docktb_model, mix_color_blends_per_channel_with_a_clamped_factor) {
  struct row {
    int32_t c1, c2;
    float m;
    int32_t want;
  };
  const row rows[] = {
      {0x000000, 0xFFFFFF, 0.5f, 0x808080},  // 127.5 rounds to the even 128
      {0x102030, 0xFFFFFF, 2.0f, 0xFFFFFF},
      {0x102030, 0xFFFFFF, -1.0f, 0x102030},
      {0x0000FF, 0x00FF00, 0.25f, 0x0040BF},
      {0x000001, 0x000002, 0.5f, 0x000002},  // 1.5 to 2
      {0x000002, 0x000003, 0.5f, 0x000002},  // 2.5 to 2
  };
  for (const row& r : rows) EXPECT_EQ(xdocktb_::mix_color_(r.c1, r.c2, r.m), r.want) << std::hex << r.c1;
  EXPECT_EQ(xdocktb_::mix_color_(0x102030, 0xFFFFFF, std::nanf("")), 0x102030);
}

}  // namespace
