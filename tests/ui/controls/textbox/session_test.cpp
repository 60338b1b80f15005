// A scripted session on a dialog with a text box and a combo box, as a user drives it: typing
// with Polish AltGr letters, a double click on a word, copy and paste through the context menu,
// then opening the combo, turning the wheel over its list and picking a row. The dialog is then
// photographed: what it shows, and on a real display what the screen shows, must be the
// controls' own pictures composed. Runs offscreen and, from scripts/test, under xvfb-run on xcb.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/input/caret.h"
#include "platform/services/screen.h"
#include "shell/frame_state.h"
#include "shell/ui_metrics.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox_fixture.h"

namespace {

constexpr uint32_t dialog_face = rgb_(236, 233, 216);

// What the dialog should show at a client pixel: the topmost visible child holding it.
uint32_t expected_at(window_& host, int32_t x, int32_t y) {
  const pixel_point_ s = host.client_to_screen_({x, y});
  uint32_t colour = host.client_surface_().colour_(x, y);
  for (window_* w : host.children_()) {
    if (!w->visible_()) continue;
    const pixel_rect_ r = w->window_rect_();
    if (!r.contains_(s.x, s.y)) continue;
    colour = w->client_surface_().colour_(s.x - r.left, s.y - r.top);
  }
  return colour;
}

int32_t mismatches(window_& host, const surface_& shot, int32_t dx, int32_t dy) {
  int32_t bad = 0;
  for (int32_t y = 0; y < host.client_height_(); ++y)
    for (int32_t x = 0; x < host.client_width_(); ++x) bad += shot.colour_(x + dx, y + dy) != expected_at(host, x, y);
  return bad;
}

void settle() {
  for (int i = 0; i < 20; ++i) {
    do_events_();
    sleep_ms_(5);
  }
}

void wait_for_focus(window_& host, window_& w) {
  for (int i = 0; i < 200 && focused_window_() != &w; ++i) {
    host.activate_();
    w.set_focus_();
    do_events_();
    sleep_ms_(5);
  }
}

void type(int32_t code, int32_t shift = 0) {
  inject_key_(key_type_::down, code, shift);
  inject_key_(key_type_::up, code, shift);
}

void menu_pick(window_& box, int32_t item) {
  dialog_reply_ r;
  r.kind = dialog_kind_::context_menu;
  r.answer = item;
  push_dialog_reply_(r);
  click_at_(box, 20, 10, button_right_);
}

TEST(textbox_session_test, type_select_copy_paste_and_pick_from_a_scrolled_list) {
  ASSERT_TRUE(load_window_test_skin_());
  fixed_widths_ widths(7);
  set_dialog_scripting_(true);
  textbox_menu_captions_ = {"Undo", "Cut", "Copy", "Paste", "Select all"};
  auto host = make_host_();
  host->move_(60, 60, 420, 220);
  host->client_surface_().fill_colour_(dialog_face);
  xctextbox_ box(*host, 10, 10, 250, 23);
  xccombobox_ combo(*host, 10, 50, 150, 21);
  combo.maxitemvis_(5);
  for (int32_t i = 0; i < 12; ++i) combo.AddItem("scale 1:" + std::to_string(i + 1), i);
  std::vector<std::string> log;
  combo.ItemClick = [&](int32_t i) { log.push_back("item " + std::to_string(i)); };
  combo.MouseScroll = [&](int16_t v) { log.push_back("wheel " + std::to_string(v)); };
  host->activate_();
  settle();

  // Type "żółw ma": AltGr gives the Polish letters.
  wait_for_focus(*host, *box.win_());
  ASSERT_EQ(focused_window_(), box.win_());
  type('Z', mod_altgr_);
  type('O', mod_altgr_);
  type('L', mod_altgr_);
  type('W');
  type(key_space_);
  type('M');
  type('A');
  ASSERT_EQ(box.text(), "żółw ma");
  // A double click inside "ma" selects it; copy it, then paste it at the end.
  window_& bw = *box.win_();
  click_at_(bw, 45, 10);
  inject_mouse_at_(bw, mouse_type_::double_click, 45, 10, button_left_);
  release_at_(bw, 45, 10);
  EXPECT_EQ(box.state_().sel_text, "ma");
  menu_pick(bw, 4);
  EXPECT_EQ(clipboard_text_(), "ma");
  type(key_end_);
  menu_pick(bw, 5);
  EXPECT_EQ(box.text(), "żółw mama");

  // Open the combo, turn the wheel towards the user three times over the list, pick a row.
  click_at_(*combo.win_(), 20, 10);
  ASSERT_TRUE(combo.list_visible_());
  window_& list = *combo.list_window_();
  const int32_t row = ui_metrics_.list_row_h_;
  move_at_(list, 30, 2 + row + 5);
  move_at_(list, 30, 2 + row + 5);
  for (int i = 0; i < 3; ++i) inject_mouse_at_(list, mouse_type_::wheel, 30, 2 + row + 5, 0, 0, -120);
  EXPECT_EQ(combo.state_().top_row, 3);
  move_at_(list, 30, 2 + row + 6);
  press_at_(list, 30, 2 + row + 6);
  release_at_(list, 30, 2 + row + 6);
  EXPECT_EQ(log, (std::vector<std::string>{"wheel 1", "wheel 1", "wheel 1", "item 4"}));
  EXPECT_EQ(combo.text(), "scale 1:5");
  EXPECT_FALSE(combo.list_visible_());
  EXPECT_EQ(combo_list_open_, false_);

  // The photograph: the focus on the dialog (no caret, no focus frames), the pointer at rest.
  wait_for_focus(*host, *host);
  move_at_(*host, 350, 200);
  settle();
  surface_ shot;
  ASSERT_TRUE(host->grab_(shot));
  const pixel_rect_ insets = host->frame_insets_();
  EXPECT_EQ(mismatches(*host, shot, insets.left, insets.top), 0);
  if (platform_name_() == "xcb") {
    surface_ screen;
    int32_t bad = -1;
    for (int i = 0; i < 100 && bad != 0; ++i) {
      ASSERT_TRUE(capture_screen_(host->client_rect_(), screen));
      bad = mismatches(*host, screen, 0, 0);
      if (bad != 0) settle();
    }
    EXPECT_EQ(bad, 0);
  }
  clear_dialog_replies_();
}

}  // namespace
