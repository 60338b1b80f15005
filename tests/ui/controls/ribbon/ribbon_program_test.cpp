// A ribbon shaped like the program's (five tabs, every kind of control, popup items, key tips)
// narrowed step by step: at every width each control the bar shows is hit at its centre, and
// nothing of a collapsed toolbar is, while its window shows all its controls.
#include "ribbon_fixture.h"

namespace {

class ribbon_program : public ribbon_test {
 protected:
  ribbon_program() : ribbon_test(6) {}
};

// Buttons: large plain, drop-down and split buttons, columns of small ones, separators.
void add_button_toolbar(xribbon_& r, int32_t tab, const std::string& name, bool corner) {
  int32_t t = r.add_toolbar_(tab, name, name + " tools", corner, corner ? "CTRL+" + name.substr(0, 1) : "");
  int n = 0;
  // Keys NAME1, NAME2, ... with key tips of the name's first letter and the number.
  auto add = [&](const char* text, int16_t icon, int32_t size_std, int32_t size_min, int32_t type,
                 bool enabled = true) {
    ++n;
    return r.add_button_(t, name + std::to_string(n), text, icon, size_std, size_min, type, enabled, "",
                         name.substr(0, 1) + std::to_string(n));
  };
  // Large in the standard layout, one column of three small ones in the minimal layout.
  add("Large", 3, 1, 2, ribbon_plain_button_);
  int32_t drop = add("Open list", 4, 1, 2, ribbon_dropdown_button_);
  r.add_popupmenuitem_(drop, 0, name + "_P1", "First");
  r.add_popupmenuitem_(drop, 0, name + "_P2", "-");
  r.add_popupmenuitem_(drop, 0, name + "_P3", "%:255|65280");
  int32_t split = add("Split it", 5, 1, 2, ribbon_split_button_);
  r.add_popupmenuitem_(split, 0, name + "_S1", "Option", "", true, -1, false, "", true, 0, true);
  ++n;
  r.add_separator_(t, name + std::to_string(n));
  add("Small", 6, 2, 3, ribbon_plain_button_);
  add("Caption", 0, 2, 2, ribbon_plain_button_, false);
  int32_t small_split = add("Small split", 7, 2, 2, ribbon_split_button_);
  r.add_popupmenuitem_(small_split, 0, name + "_SS", "Row");
  add("Icon", 8, 3, 3, ribbon_dropdown_button_);
  add("Last", 9, 2, 2, ribbon_plain_button_);
}

// Combos and group controls in the standard rows 1 and 2 and the minimal rows 1 to 3.
void add_combo_toolbar(xribbon_& r, int32_t tab, const std::string& name) {
  int32_t t = r.add_toolbar_(tab, name, name + " lists", true, "F" + std::to_string(tab + 1));
  int32_t c1 = r.add_combo_(t, name + "_C1", "Layer zero", 1, 1, 120, 90, true, name.substr(0, 1) + "C");
  for (int i = 0; i < 12; ++i)
    r.add_popupmenuitem_(c1, 0, name + "_L" + std::to_string(i), "Layer " + std::to_string(i));
  r.buttonuserdraw_(name + "_C1", true);
  int32_t g = r.add_group_(t, name + "_G", "BBC", 10, 1, 2, true, name.substr(0, 1) + "G");
  r.add_popupmenuitem_(g, 3, name + "_G3", "Cell three");
  r.add_combo_(t, name + "_C2", "Style", 2, 3, 0, 0, true, name.substr(0, 1) + "S");
  r.add_group_(t, name + "_H", "cBc", 11, 2, 3, true, name.substr(0, 1) + "H");
}

xribbon_ program_ribbon() {
  xribbon_ r(metrics_96);
  r.set_scale_size_(1400, 117);
  r.helpicon_(true);
  r.buttonmainaltkey_("F");
  r.set_buttonmaintext_("Options", "Exit");
  r.add_mainmenuitem_("NEW", "New", "CTRL+N", 1, "N");
  r.add_mainmenuitem_("SEP", "-");
  r.add_mainmenuitem_("OPEN", "Open", "CTRL+O", 2, "O");
  r.add_quickbutton_("SAVE", "Save", "Save", 3, "1");
  r.add_quickbutton_("UNDO", "Undo", "Undo", 4, "2");
  const char* tabs[] = {"HOME", "DRAW", "MODIFY", "ANNOTATE", "VIEW"};
  for (int i = 0; i < 5; ++i) r.add_tabtop_(tabs[i], tabs[i], std::string(1, tabs[i][0]), "F" + std::to_string(5 + i));
  // The construction fills the tabs one after another.
  const char* names[] = {"EDIT", "TEXT", "LINES", "DIMS", "SHAPES", "ZOOM", "MOVE", "PAN", "COPY"};
  const int32_t tab_of[] = {1, 1, 2, 2, 3, 3, 4, 4, 5};
  for (int i = 0; i < 9; ++i) {
    add_button_toolbar(r, tab_of[i], names[i], i % 2 == 0);
    if (i % 2 == 1) add_combo_toolbar(r, tab_of[i], std::string(names[i]) + "L");
  }
  r.add_toolbar_(5, "EMPTY", "Nothing here");
  r.add_toolbar_(5, "HIDDEN", "Hidden");
  r.add_button_(r.toolbar_count, "HIDDEN_BTN", "Hidden button");
  r.toolbarvisible_("HIDDEN", false);
  return r;
}

bool on_tab(const xribbon_& r, int32_t t) {
  return is_set_(r.toolbars[t].visible) && r.toolbars[t].tab_id == r.tab_id_();
}

TEST_F(ribbon_program, narrowed_from_1400_to_300_pixels) {
  xribbon_ r = program_ribbon();
  ASSERT_EQ(r.tab_count, 5);
  ASSERT_GT(r.control_count, 90);
  const int32_t top = metrics_96.ribbon_top_row_h_;
  std::string key;
  int32_t cell = 0;
  flag16_ arrow = 0;
  int collapsed_seen = 0, minimal_seen = 0, shown_checked = 0;
  for (int32_t tab = 1; tab <= 5; ++tab) {
    r.tab_id_(tab);
    for (int32_t w = 1400; w >= 300; w -= 5) {
      r.set_scale_size_(w, 117);
      r.fit_toolbars_();
      r.layout_bar_();
      SCOPED_TRACE("tab " + std::to_string(tab) + " width " + std::to_string(w));
      // The toolbars fit, or all of them are collapsed.
      int32_t sum = 0;
      bool all_collapsed = true;
      for (int32_t t = 1; t <= r.toolbar_count; ++t) {
        if (!on_tab(r, t)) continue;
        sum += r.toolbar_width_(t);
        all_collapsed &= r.toolbars[t].fit_state == toolbar_collapsed_;
        minimal_seen += r.toolbars[t].fit_state == toolbar_minimal_;
      }
      EXPECT_TRUE(sum + 12 < w || all_collapsed) << sum;
      const int32_t app = metrics_96.app_button_w_;
      EXPECT_LE(r.tabs[5].right, app + 2 + (w - 25 - (app + 10)));  // the tabs end before the help button

      for (int32_t t = 1; t <= r.toolbar_count; ++t) {
        if (!on_tab(r, t)) continue;
        const ribbon_toolbar_rec_& tb = r.toolbars[t];
        if (tb.fit_state == toolbar_collapsed_) {
          ++collapsed_seen;
          for (int32_t x = tb.left + 1; x < tb.right && x < w; x += 8)  // the left edge is the previous toolbar's
            for (int32_t y = top + 4; y < 117 - 4; y += 8) {
              ASSERT_EQ(r.control_at_(x, y, false, key, cell, arrow), 0) << x << "," << y;
              ASSERT_EQ(r.toolbar_at_(x, y, false), t) << x << "," << y;
            }
          continue;
        }
        for (int32_t c = 1; c <= r.control_count; ++c) {
          if (r.controls[c].toolbar_id != t) continue;
          ribbon_rect_ rc;
          ASSERT_TRUE(r.control_rect_on_bar_(c, rc)) << c;
          EXPECT_GE(rc.x, tb.left + 2) << c;
          EXPECT_LE(rc.right(), tb.right) << c;
          int32_t cx = rc.x + rc.w / 2, cy = rc.y + rc.h / 2;
          if (cx >= w) continue;  // beyond the bar
          ASSERT_EQ(r.control_at_(cx, cy, false, key, cell, arrow), c) << r.controls[c].key;
          EXPECT_EQ(key, r.controls[c].key);
          // At the centre only drop-down buttons, combos and the arrows of group cells drop down.
          int32_t type = r.controls[c].type;
          bool drops =
              type == ribbon_dropdown_button_ || type == ribbon_combo_ || (type == ribbon_group_ && is_set_(arrow));
          EXPECT_EQ(r.hit.drop_control, drops ? c : 0) << r.controls[c].key;
          EXPECT_EQ(r.toolbar_at_(cx, cy, false), t);
          ++shown_checked;
        }
      }
    }
  }
  EXPECT_GT(collapsed_seen, 0);
  EXPECT_GT(minimal_seen, 0);
  EXPECT_GT(shown_checked, 10000);
}

TEST_F(ribbon_program, collapsed_windows_show_every_control) {
  xribbon_ r = program_ribbon();
  std::string key;
  int32_t cell = 0;
  flag16_ arrow = 0;
  for (int32_t tab = 1; tab <= 5; ++tab) {
    r.tab_id_(tab);
    r.set_scale_size_(300, 117);
    r.fit_toolbars_();
    for (int32_t t = 1; t <= r.toolbar_count; ++t) {
      if (!on_tab(r, t) || r.toolbars[t].fit_state != toolbar_collapsed_) continue;
      r.dropdown.collapsed_toolbar = t;
      r.dropdown.ex1_width = r.toolbars[t].min_width + 5;
      r.dropdown.ex1_height = 117 - 32 + 6;
      EXPECT_EQ(r.toolbar_at_(3, 10, true), t);
      for (int32_t c = 1; c <= r.control_count; ++c) {
        ribbon_rect_ rc;
        if (r.controls[c].toolbar_id != t) {
          EXPECT_FALSE(r.control_rect_in_window_(c, rc));
          continue;
        }
        ASSERT_TRUE(r.control_rect_in_window_(c, rc));
        EXPECT_LE(rc.right() + 1, r.dropdown.ex1_width - 5) << r.controls[c].key;
        EXPECT_EQ(r.control_at_(rc.x + rc.w / 2, rc.y + rc.h / 2, true, key, cell, arrow), c) << r.controls[c].key;
      }
    }
  }
}

TEST_F(ribbon_program, key_tips_reach_a_control_of_a_collapsed_toolbar) {
  xribbon_ r = program_ribbon();
  ribbon_log_ log;
  log.attach(r);
  r.set_scale_size_(300, 117);
  r.tab_id_(2);
  ASSERT_EQ(r.toolbars[r.controls[r.btnkey2id_("LINES5")].toolbar_id].fit_state, toolbar_collapsed_);
  r.altstate_(true);
  r.set_altkey_('D');  // DRAW
  r.set_altkey_('L');
  r.set_altkey_('5');
  EXPECT_EQ(log.take(), "tab DRAW; button LINES5 0");
  EXPECT_EQ(r.check_shortcut_(0, 118), "F7");  // MODIFY
  EXPECT_EQ(r.tab_id_(), 3);
  EXPECT_EQ(r.check_shortcut_(2, 'N'), "CTRL+N");
  EXPECT_EQ(log.take(), "tab MODIFY; menu NEW");
}

}  // namespace
