// The real main window with helpers that work its tool panel as a user does: activate the
// window, then press and release the mouse over a panel item.
#pragma once
#include "../mdi_fixture.h"
#include "platform/window/inject.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

class panel_fixture : public mdi_fixture {
 protected:
  xcpanelbox_& panel() { return mdi->panel(); }
  void activate() {
    for (int i = 0; i < 100 && active_window_() != &mdi->form(); ++i) {
      mdi->form().activate_();
      do_events_();
    }
    ASSERT_EQ(active_window_(), &mdi->form());
  }
  // A click in the middle of item id as the panel last painted it.
  void click_item(int32_t id) {
    activate();
    panel().refresh_();
    const panel_item_rec_& it = panel().item_(id);
    ASSERT_GT(it.painted_w, 0) << it.key;
    window_& w = *panel().panel_window_();
    const int32_t x = it.painted_x + it.painted_w / 2, y = it.painted_y + it.painted_h / 2;
    inject_mouse_at_(w, mouse_type_::move, x, y);
    inject_mouse_at_(w, mouse_type_::down, x, y, button_left_);
    inject_mouse_at_(w, mouse_type_::up, x, y, button_left_);
    do_events_();
  }
  std::vector<std::string> group_keys() {
    std::vector<std::string> keys;
    for (int32_t g = 1; g <= panel().group_count_(); ++g) keys.push_back(panel().group_(g).key);
    return keys;
  }
};
