// A panel like the tool panel shown on the screen: what the screen shows of the panel and of
// its open drop list is photographed and compared with what the painters put in their
// surfaces; and a session as a user drives it, keys going through a stand-in of the shell's
// key dispatcher. Runs offscreen and on a real X server.
#include "platform/core/codepage.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"
#include "platform/services/screen.h"
#include "ui/controls/sidepanel/panel_fixture.h"
#include "ui/skin/popup_background.h"

// The application object lives until exit, and fontconfig keeps what it loads until then.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

class panel_screen : public panel_host {
 protected:
  void SetUp() override {
    panel_host::SetUp();
    // What the shell's key dispatcher does while a panel text item is edited.
    set_key_hook_([this](const key_event_& e) {
      if (e.type != key_type_::down || focus_state_code_ != focus_panel_item_ || !panel) return false;
      const int16_t shift = int16_t(((e.shift & mod_shift_) ? 1 : 0) | ((e.shift & mod_ctrl_) ? 2 : 0));
      if (e.key_code == key_tab_) {
        panel->next_(false_, shift == 1 ? true_ : false_);
        panel->refresh_();
        return true;
      }
      int32_t ch = e.key_code == key_back_ ? 8 : e.ch ? unicode_to_cp1250_(char32_t(e.ch)) : 0;
      panel->key_event_(int16_t(e.key_code), shift, int16_t(ch > 0 ? ch : 0));
      return true;
    });
  }
  void TearDown() override {
    remove_key_hook_();
    panel_host::TearDown();
  }

  static void wait() {
    for (int i = 0; i < 20; ++i) {
      do_events_();
      sleep_ms_(2);
    }
  }

  // Every item kind: a titled group with a label, a text field and a checked value field, an
  // untitled group with a header band, a button, a check box and the colour combo.
  void build_full_panel() {
    const int32_t g1 = panel->add_group_("TOOL", "Line");
    panel->add_item_(g1, "HINT", 0, "Two points", false_, "", 0, 0, 0, 150, 18);
    panel->add_item_(g1, "LEN", 5, "Length", false_, "12.5", 0, 0, 20, 150, 40);
    panel->add_item_(g1, "ANG", 1, "Angle", true_, "45", 0, 0, 64, 150, 40);
    const int32_t g2 = panel->add_group_("ATTR", "");
    panel->add_item_(g2, "BAND", 6, "", false_, "", 0, 0, 0, 180, 16, 0, 0, 0, 0, false_, "Attributes");
    panel->add_item_(g2, "OK", 2, "Apply", false_, "", 3, 0, 20, 80, 24);
    panel->add_item_(g2, "LOCK", 3, "Lock", false_, "", 0, 90, 20, 80, 24);
    panel->add_item_(g2, "COL", 4, "", false_, "", 0, 0, 48, 150, 24);
    panel->add_comboitem_("COL", "DC.BYLAYER", "By layer");
    panel->add_comboitem_("COL", "DC.SEP", "-");
    panel->add_comboitem_("COL", "DC.VALS", "%:255|65280|16711680|0");
    panel->add_comboitem_("COL", "DC.MORE", "%:65535|16776960");
    panel->add_comboitem_("COL", "DC.RED", "Red", "", false_, -1, 255);
    panel->rborder_(true_);
    panel->refresh_();
  }

  // Pixels of a screen rectangle that differ from what the windows painted there: the list
  // over the panel, inside the list's shape; -1 when the platform gives no photograph.
  int32_t mismatches(const pixel_rect_& r) {
    int32_t bad = -1;
    for (int attempt = 0; attempt < 100 && bad != 0; ++attempt) {
      surface_ shot;
      if (!capture_screen_(r, shot)) return -1;
      const pixel_rect_ pr = pw().client_rect_();
      window_& l = *panel->list_window_();
      const bool open = l.visible_();
      const pixel_rect_ lr = l.client_rect_();
      bad = 0;
      for (int32_t y = r.top; y < r.bottom; ++y)
        for (int32_t x = r.left; x < r.right; ++x) {
          uint32_t want;
          if (open && lr.contains_(x, y)) {
            if (!l.region_contains_(x - lr.left, y - lr.top)) continue;  // a cut corner
            want = l.client_surface_().colour_(x - lr.left, y - lr.top);
          } else if (pr.contains_(x, y)) {
            want = pw().client_surface_().colour_(x - pr.left, y - pr.top);
          } else {
            continue;
          }
          bad += shot.colour_(x - r.left, y - r.top) != want;
        }
      if (bad) wait();
    }
    return bad;
  }

  void type(const std::string& keys) {
    for (char c : keys) {
      const int32_t code = c >= '0' && c <= '9' ? key_0_ + (c - '0') : c == '.' ? 0xBE : 0;
      inject_key_(key_type_::down, code, 0, uint32_t(c));
      inject_key_(key_type_::up, code, 0, 0);
    }
  }
  void key(int32_t code, int32_t shift = 0) {
    inject_key_(key_type_::down, code, shift, 0);
    inject_key_(key_type_::up, code, shift, 0);
  }
};

TEST_F(panel_screen, the_screen_shows_what_the_panel_and_its_list_painted) {
  build_full_panel();
  wait();
  const pixel_rect_ pr = pw().client_rect_();
  EXPECT_EQ(mismatches(pr), 0);

  click(centre("COL").x, centre("COL").y);
  ASSERT_TRUE(panel->list_open_());
  wait();
  window_& l = *panel->list_window_();
  const pixel_rect_ lr = l.client_rect_();
  // Swatch cells were painted: the first cell of the first value row holds red.
  EXPECT_EQ(list_at(13, 42), 255u);
  pixel_rect_ both{std::min(pr.left, lr.left), std::min(pr.top, lr.top), std::max(pr.right, lr.right),
                   std::max(pr.bottom, lr.bottom)};
  EXPECT_EQ(mismatches(both), 0);
  surface_ cell;
  ASSERT_TRUE(capture_screen_({lr.left + 13, lr.top + 42, lr.left + 14, lr.top + 43}, cell));
  EXPECT_EQ(cell.colour_(0, 0), 255u);  // the list really is on the screen, over the panel
  panel->hide_winex_();
}

TEST_F(panel_screen, a_session_enters_types_tabs_picks_a_swatch_and_keeps_it_across_a_rebuild) {
  build_full_panel();
  wait();
  // Enter the length field and type over its whole value.
  click(field_at("LEN", 4).x, field_at("LEN", 4).y);
  EXPECT_EQ(focus_state_code_, focus_panel_item_);
  type("7.25");
  EXPECT_EQ(panel->textv_(panel->key2id_("LEN")), "7.25");
  key(key_back_);
  type("5");
  EXPECT_EQ(panel->textv_(panel->key2id_("LEN")), "7.25");
  // Tab moves on to the angle field with its value selected; typing replaces it once the
  // field takes keys, which a checked value field does after a press in its field.
  key(key_tab_);
  EXPECT_EQ(focus_toolbar_, panel->key2id_("ANG"));
  EXPECT_EQ(focus_caret_, 2);
  key(key_tab_, mod_shift_);
  EXPECT_EQ(focus_toolbar_, panel->key2id_("LEN"));

  // The colour list: the second cell of the first value row.
  log.clear();
  click(centre("COL").x, centre("COL").y);
  ASSERT_TRUE(panel->list_open_());
  list_move(36, 42);
  list_click(36, 42);
  EXPECT_FALSE(panel->list_open_());
  EXPECT_EQ(log, (std::vector<std::string>{"show", "off", "pick DC.VALS 2"}));
  const int32_t vals = 3;
  EXPECT_EQ(panel->item_(panel->key2id_("COL")).combo_value, vals);

  // The host keeps the tool's values, rebuilds the tool's rows in another order and restores.
  EXPECT_EQ(panel->save_settings_("LINE"), true_);
  panel->erase_group_("TOOL");
  const int32_t g1 = panel->group2gid_("TOOL");
  panel->add_item_(g1, "ANG", 1, "Angle", false_, "0", 0, 0, 0, 150, 40);
  panel->add_item_(g1, "LEN", 5, "Length", false_, "0", 0, 0, panel->lastbottom_(g1) + 4, 150, 40);
  panel->move2begin_("TOOL");
  EXPECT_EQ(panel->textv_(panel->key2id_("LEN")), "0");
  EXPECT_EQ(panel->restore_settings_("LINE"), true_);
  panel->refresh_();
  EXPECT_EQ(panel->textv_(panel->key2id_("LEN")), "7.25");
  EXPECT_EQ(panel->textv_(panel->key2id_("ANG")), "45");
  EXPECT_EQ(panel->item_(panel->key2id_("COL")).combo_value, vals);
  wait();
  EXPECT_EQ(mismatches(pw().client_rect_()), 0);
}

}  // namespace
