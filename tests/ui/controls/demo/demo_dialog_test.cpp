// A dialog holding one of every control, driven as a user drives it (clicks, keys and drags on
// the button, the boxes, a scroll thumb and a date), then photographed: what the dialog shows,
// and on a real display what the screen shows, must be the controls' own pictures composed.
// Runs offscreen and, from scripts/test, under xvfb-run on xcb.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/input/key_codes.h"
#include "platform/services/screen.h"
#include "ui/controls/button/button.h"
#include "ui/controls/calendar/calendar.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/iconlist/iconlist.h"
#include "ui/controls/progress/progress.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/statusbar/statusbar.h"
#include "ui/controls/tabstrip/tabstrip.h"
#include "ui/controls/xc_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

constexpr uint32_t dialog_face = rgb_(236, 233, 216);

struct demo_dialog {
  std::unique_ptr<window_> host;
  std::unique_ptr<xctoolbar_> tabs;
  std::unique_ptr<xcbutton_> button;
  std::unique_ptr<xccheckbox_> check;
  std::unique_ptr<xcoptionbox_> option;
  std::unique_ptr<xcprogress_> progress;
  std::unique_ptr<xcscrollbox_> scroll;
  std::unique_ptr<xccalendar_> date;
  std::unique_ptr<xcmemoitems_> list;
  std::unique_ptr<xcstatusbar_> status;
  std::vector<std::string> log;

  demo_dialog() {
    host = make_host_();
    host->move_(60, 60, 420, 300);
    host->client_surface_().fill_colour_(dialog_face);
    tabs = std::make_unique<xctoolbar_>(*host, 0, 0, 420, 25);
    tabs->tabsstyle_(-1);
    tabs->add_("general", "General");
    tabs->add_("view", "View");
    tabs->activetab_("general");
    button = std::make_unique<xcbutton_>(*host, 10, 40, 90, 23, "&Apply");
    check = std::make_unique<xccheckbox_>(*host, 10, 75, 120, 17);
    check->Caption("Snap to grid");
    option = std::make_unique<xcoptionbox_>(*host, 10, 100, 120, 17);
    option->Caption("Metric");
    progress = std::make_unique<xcprogress_>(*host, 10, 130, 150, 12);
    scroll = std::make_unique<xcscrollbox_>(*host, 390, 35, 17, 200);
    scroll->Enabled(true_);
    scroll->scrollmax_(100);
    scroll->chlarge_(50);
    scroll->refresh_();
    date = std::make_unique<xccalendar_>(*host, 10, 155, 120, 21, calendar_props_{date_serial_(2025, 3, 14)});
    list = std::make_unique<xcmemoitems_>(*host, 180, 40, 190, 120);
    for (int32_t i = 1; i <= 3; ++i) list->add_("Layer " + std::to_string(i), i);
    list->refresh_();
    status = std::make_unique<xcstatusbar_>(*host, 0, 276, 420, 22);
    status->text_("Ready");
    status->add_button_("GRID_", "Grid", 0);
    status->refresh_();

    tabs->TabClick = [this](const std::string& k) { log.push_back("tab " + k); };
    button->Click = [this] { log.push_back("apply"); };
    check->Click = [this] { log.push_back("check"); };
    option->Click = [this] { log.push_back("option"); };
    scroll->Scroll = [this] {
      if (log.empty() || log.back() != "scroll") log.push_back("scroll");
    };
    date->ItemClick = [this](int32_t d) { log.push_back("day " + std::to_string(d)); };
    status->ButtonClick = [this](const std::string& k) { log.push_back("status " + k); };
    host->on_key = [this](const key_event_& k) { dispatch_access_key_(*host, k); };
    do_events_();
  }
};

// What the dialog should show at a client pixel: the topmost control window holding it (in its
// shape), else the dialog's own surface.
uint32_t expected_at(const demo_dialog& d, int32_t x, int32_t y) {
  const pixel_point_ s = d.host->client_to_screen_({x, y});
  uint32_t colour = d.host->client_surface_().colour_(x, y);
  for (const window_* w : d.host->children_()) {
    if (!w->visible_()) continue;
    const pixel_rect_ r = w->window_rect_();
    if (!r.contains_(s.x, s.y) || !w->region_contains_(s.x - r.left, s.y - r.top)) continue;
    colour = const_cast<window_*>(w)->client_surface_().colour_(s.x - r.left, s.y - r.top);
  }
  return colour;
}

int32_t mismatches(const demo_dialog& d, const surface_& shot, int32_t dx, int32_t dy) {
  int32_t bad = 0;
  for (int32_t y = 0; y < d.host->client_height_(); ++y)
    for (int32_t x = 0; x < d.host->client_width_(); ++x) bad += shot.colour_(x + dx, y + dy) != expected_at(d, x, y);
  return bad;
}

TEST(demo_dialog_test, every_control_driven_and_shown_as_painted) {
  ASSERT_TRUE(load_window_test_skin_());
  demo_dialog d;
  d.host->activate_();
  // Tab, button (mouse and access key), both boxes (mouse and Space).
  const tab_item_rec_& view = d.tabs->state_().items[1];
  click_at_(*d.tabs->win_(), (view.left + view.right) / 2, 12);
  click_at_(*d.button->win_(), 45, 11);
  click_at_(*d.check->win_(), 5, 5);
  click_at_(*d.option->win_(), 5, 5);
  // A real X server hands the focus over when it gets round to it.
  for (int i = 0; i < 200 && focused_window_() != d.option->win_(); ++i) {
    d.host->activate_();
    do_events_();
    sleep_ms_(5);
  }
  inject_key_(key_type_::down, key_space_);
  inject_key_(key_type_::up, key_space_);
  key_event_ alt_a;
  alt_a.key_code = key_a_;
  alt_a.shift = mod_alt_;
  dispatch_access_key_(*d.host, alt_a);
  // Drag the scroll thumb from the top of its track to the far end.
  move_at_(*d.scroll->win_(), 8, 30);
  press_at_(*d.scroll->win_(), 8, 30);
  move_at_(*d.scroll->win_(), 8, 120);
  move_at_(*d.scroll->win_(), 8, 400);
  release_at_(*d.scroll->win_(), 8, 400);
  // Pick a date on the month page.
  click_at_(*d.date->win_(), 10, 10);
  ASSERT_TRUE(d.date->page_open_());
  const calendar_cell_rec_ day = d.date->state_().page.cell(21);
  click_at_(*d.date->page_window_(), day.x + 3, day.y + 3);
  // A list row, the status toggle and the progress.
  click_at_(*d.list->win_(), 30, 2 + 23 + 5);
  const status_button_rec_& grid = d.status->state_().buttons[0];
  click_at_(*d.status->win_(), (grid.left + grid.right) / 2, 11);
  d.progress->value_(40);
  d.progress->refresh_();
  move_at_(*d.host, 300, 250);  // the pointer rests on the dialog: no hover looks
  do_events_();

  const std::vector<std::string> want{"tab VIEW", "apply",  "check",  "option", "option",
                                      "apply",    "scroll", "day 21", "status GRID_"};
  EXPECT_EQ(d.log, want);
  EXPECT_EQ(d.check->Checked(), true_);
  EXPECT_EQ(d.scroll->scrollcurrent_(), 100);
  EXPECT_EQ(civil_of_(d.date->CurrentDate()), (civil_date_{2025, 3, 21}));
  EXPECT_EQ(d.list->item_id_(), 2);

  surface_ shot;
  for (int i = 0; i < 20; ++i) {
    do_events_();
    sleep_ms_(5);
  }
  ASSERT_TRUE(d.host->grab_(shot));
  const pixel_rect_ insets = d.host->frame_insets_();
  EXPECT_EQ(mismatches(d, shot, insets.left, insets.top), 0);

  // On a real display the screen shows the same once the server has composed it.
  if (platform_name_() == "xcb") {
    surface_ screen;
    int32_t bad = -1;
    for (int i = 0; i < 100 && bad != 0; ++i) {
      ASSERT_TRUE(capture_screen_(d.host->client_rect_(), screen));
      bad = mismatches(d, screen, 0, 0);
      if (bad != 0) {
        do_events_();
        sleep_ms_(5);
      }
    }
    EXPECT_EQ(bad, 0);
  }
}

}  // namespace
