// Windows offscreen: re-parenting, capture, pending events, regions, geometry, modality.
#include "platform/window/window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/window/event_loop.h"
#include "platform/window/inject.h"

namespace {

class window_test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_application_(); }
  void TearDown() override {
    release_capture_();
    do_events_();
  }

  static std::unique_ptr<window_> top(int32_t x, int32_t y, int32_t w, int32_t h) {
    window_options_ o;
    o.x = x;
    o.y = y;
    o.width = w;
    o.height = h;
    return create_window_(o);
  }
  static std::unique_ptr<window_> child(window_& parent, int32_t x, int32_t y, int32_t w, int32_t h) {
    window_options_ o;
    o.kind = window_kind_::child;
    o.parent = &parent;
    o.x = x;
    o.y = y;
    o.width = w;
    o.height = h;
    return create_window_(o);
  }
};

// A pattern no two neighbouring pixels share, so a shifted or scaled copy shows.
uint32_t pattern(int32_t x, int32_t y) { return rgb_(uint8_t(x * 7), uint8_t(y * 11), uint8_t((x + y) * 3)); }

void paint_pattern(surface_& s) {
  for (int32_t y = 0; y < s.height_(); ++y)
    for (int32_t x = 0; x < s.width_(); ++x) s.set_colour_(x, y, pattern(x, y));
}

// How many pixels of what a window shows differ from the pattern.
int32_t shown_mismatches(window_& w) {
  surface_ shot;
  if (!w.grab_(shot)) return -1;
  int32_t bad = 0;
  for (int32_t y = 0; y < shot.height_(); ++y)
    for (int32_t x = 0; x < shot.width_(); ++x) bad += shot.colour_(x, y) != pattern(x, y);
  return bad;
}

TEST_F(window_test, child_floats_as_owned_top_level_and_returns_with_its_content) {
  auto main = top(100, 100, 300, 200);
  auto bar = child(*main, 10, 10, 50, 40);
  paint_pattern(bar->client_surface_());
  main->show_();
  bar->show_();
  do_events_();
  ASSERT_EQ(shown_mismatches(*bar), 0);

  bar->make_top_level_(main.get(), 400, 300);
  do_events_();
  EXPECT_EQ(bar->kind_(), window_kind_::popup);
  EXPECT_EQ(bar->parent_(), nullptr);
  EXPECT_EQ(bar->owner_(), main.get());
  EXPECT_TRUE(main->children_().empty());
  EXPECT_EQ(bar->window_rect_(), (pixel_rect_{400, 300, 450, 340}));
  EXPECT_TRUE(bar->visible_());
  EXPECT_EQ(shown_mismatches(*bar), 0);

  bar->make_child_(*main, 20, 30);
  do_events_();
  EXPECT_EQ(bar->parent_(), main.get());
  EXPECT_EQ(main->children_(), std::vector<window_*>{bar.get()});
  const pixel_rect_ c = main->client_rect_();
  EXPECT_EQ(bar->window_rect_(), (pixel_rect_{c.left + 20, c.top + 30, c.left + 70, c.top + 70}));
  EXPECT_EQ(shown_mismatches(*bar), 0);
}

TEST_F(window_test, capture_brings_moves_from_outside_with_outside_coordinates) {
  auto w = top(50, 50, 100, 20);
  w->show_();
  do_events_();
  std::vector<mouse_event_> got;
  w->on_mouse = [&](const mouse_event_& m) { got.push_back(m); };
  const pixel_rect_ c = w->client_rect_();

  EXPECT_FALSE(inject_mouse_(mouse_type_::move, c.left + 150, c.top + 5));
  EXPECT_TRUE(got.empty());

  w->set_capture_();
  struct case_ { int32_t dx, dy; };
  for (case_ k : {case_{150, 5}, case_{-30, 40}, case_{99, 19}}) {
    got.clear();
    EXPECT_TRUE(inject_mouse_(mouse_type_::move, c.left + k.dx, c.top + k.dy));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].x, k.dx);
    EXPECT_EQ(got[0].y, k.dy);
  }
  release_capture_();
  got.clear();
  EXPECT_FALSE(inject_mouse_(mouse_type_::move, c.left + 150, c.top + 5));
  EXPECT_TRUE(got.empty());
}

TEST_F(window_test, letting_pending_events_run_handles_a_queued_one_first) {
  auto w = top(10, 10, 80, 60);
  w->show_();
  do_events_();
  std::vector<std::string> order;
  w->on_mouse = [&](const mouse_event_& m) {
    if (m.type != mouse_type_::down) return;
    order.push_back("handler");
    do_events_();
    order.push_back("handler continues");
  };
  post_task_([&] { order.push_back("queued"); });
  inject_mouse_at_(*w, mouse_type_::down, 5, 5, button_left_);
  EXPECT_EQ(order, (std::vector<std::string>{"handler", "queued", "handler continues"}));
  inject_mouse_at_(*w, mouse_type_::up, 5, 5, button_left_);
}

TEST_F(window_test, waiting_for_events_runs_what_arrives) {
  bool ran = false;
  post_task_([&] { ran = true; });
  wait_events_(1000);
  EXPECT_TRUE(ran);
}

TEST_F(window_test, polygon_region_decides_inside_and_where_clicks_land) {
  auto back = top(0, 0, 400, 400);
  auto shaped = top(100, 100, 100, 100);
  shaped->set_region_({{0, 0}, {100, 0}, {0, 100}});  // the upper-left half
  back->show_();
  shaped->show_();
  do_events_();
  struct case_ { int32_t x, y; bool inside; };
  for (case_ k : {case_{10, 10, true}, case_{45, 45, true}, case_{1, 97, true},
                  case_{60, 60, false}, case_{90, 90, false}, case_{-1, 10, false}, case_{10, 100, false}}) {
    SCOPED_TRACE(std::to_string(k.x) + "," + std::to_string(k.y));
    EXPECT_EQ(shaped->region_contains_(k.x, k.y), k.inside);
    if (k.x >= 0 && k.y < 100) {
      EXPECT_EQ(window_at_(100 + k.x, 100 + k.y), k.inside ? shaped.get() : back.get());
    }
  }
  shaped->clear_region_();
  EXPECT_TRUE(shaped->region_contains_(90, 90));
}

TEST_F(window_test, children_are_listed_in_creation_order_and_go_with_their_parent) {
  auto main = top(0, 0, 200, 200);
  auto a = child(*main, 0, 0, 10, 10);
  auto b = child(*main, 0, 0, 10, 10);
  auto inner = child(*a, 0, 0, 5, 5);
  auto c = child(*main, 0, 0, 10, 10);
  b->raise_();
  a->make_top_level_(main.get(), 0, 0);
  a->make_child_(*main, 0, 0);
  EXPECT_EQ(main->children_(), (std::vector<window_*>{a.get(), b.get(), c.get()}));
  EXPECT_EQ(a->children_(), std::vector<window_*>{inner.get()});

  std::vector<window_handle_> destroyed;
  for (window_* w : {main.get(), a.get(), b.get(), inner.get(), c.get()})
    w->on_destroy = [&destroyed, w] { destroyed.push_back(w->handle_()); };
  const window_handle_ inner_handle = inner->handle_();
  main->destroy_();
  EXPECT_EQ(destroyed.front(), main->handle_());
  EXPECT_EQ(destroyed.size(), 5u);
  for (window_* w : {main.get(), a.get(), b.get(), inner.get(), c.get()}) EXPECT_FALSE(w->exists_());
  EXPECT_EQ(find_window_(inner_handle), nullptr);
}

TEST_F(window_test, a_button_may_destroy_its_dialog_from_its_own_click) {
  auto dialog = top(0, 0, 100, 100);
  auto button = child(*dialog, 10, 10, 40, 20);
  dialog->show_();
  button->show_();
  do_events_();
  int destroyed = 0;
  dialog->on_destroy = [&] { ++destroyed; };
  button->on_destroy = [&] { ++destroyed; };
  button->on_mouse = [&](const mouse_event_& m) {
    if (m.type == mouse_type_::up) dialog.reset();
  };
  inject_mouse_at_(*button, mouse_type_::down, 5, 5, button_left_);
  inject_mouse_at_(*button, mouse_type_::up, 5, 5, button_left_);
  EXPECT_EQ(dialog, nullptr);
  EXPECT_EQ(destroyed, 2);
  EXPECT_FALSE(button->exists_());
  do_events_();  // the widgets go once no handler is running
  EXPECT_EQ(window_at_(20, 20), nullptr);
}

TEST_F(window_test, frame_insets_separate_client_and_window_rectangles) {
  auto w = top(200, 150, 300, 200);
  w->set_frame_insets_(4, 30, 4, 4);
  w->show_();
  do_events_();
  EXPECT_EQ(w->window_rect_(), (pixel_rect_{200, 150, 500, 350}));
  EXPECT_EQ(w->client_rect_(), (pixel_rect_{204, 180, 496, 346}));
  EXPECT_EQ(w->client_surface_().width_(), 292);
  EXPECT_EQ(w->client_surface_().height_(), 166);
  EXPECT_EQ(w->window_surface_().width_(), 300);
  EXPECT_EQ(w->client_to_screen_({0, 0}), (pixel_point_{204, 180}));
  EXPECT_EQ(w->screen_to_client_({210, 190}), (pixel_point_{6, 10}));

  // Presses on the band go to the frame handler in whole-window pixels, the rest to the client.
  std::vector<mouse_event_> frame, client;
  w->on_frame_mouse = [&](const mouse_event_& m) { frame.push_back(m); };
  w->on_mouse = [&](const mouse_event_& m) { client.push_back(m); };
  inject_mouse_(mouse_type_::down, 250, 160, button_left_);
  inject_mouse_(mouse_type_::up, 250, 160, button_left_);
  inject_mouse_(mouse_type_::down, 250, 190, button_left_);
  inject_mouse_(mouse_type_::up, 250, 190, button_left_);
  ASSERT_EQ(frame.size(), 2u);
  EXPECT_EQ(frame[0].x, 50);
  EXPECT_EQ(frame[0].y, 10);
  ASSERT_EQ(client.size(), 2u);
  EXPECT_EQ(client[0].x, 46);
  EXPECT_EQ(client[0].y, 10);
}

TEST_F(window_test, resize_keeps_the_surface_overlap_and_fills_the_rest) {
  window_options_ o;
  o.width = 40;
  o.height = 30;
  o.background = rgb_(1, 2, 3);
  auto w = create_window_(o);
  paint_pattern(w->client_surface_());
  int32_t resized_w = 0, resized_h = 0;
  w->on_resize = [&](int32_t cw, int32_t ch) { resized_w = cw, resized_h = ch; };
  w->move_(0, 0, 60, 20);
  EXPECT_EQ(resized_w, 60);
  EXPECT_EQ(resized_h, 20);
  const surface_& s = w->client_surface_();
  EXPECT_EQ(s.colour_(39, 19), pattern(39, 19));
  EXPECT_EQ(s.colour_(40, 0), rgb_(1, 2, 3));
}

TEST_F(window_test, owner_paints_once_per_invalidation_not_per_presentation) {
  auto w = top(0, 0, 40, 30);
  int paints = 0;
  w->on_paint = [&] { ++paints; };
  w->show_();
  surface_ shot;
  struct step_ { const char* what; std::function<void()> act; int paints_after; };
  const step_ steps[] = {
      {"shown", [&] { w->grab_(shot); }, 1},
      {"presented again", [&] { w->grab_(shot); }, 1},
      {"invalidated", [&] { w->invalidate_rect_({1, 1, 5, 5}); w->grab_(shot); }, 2},
      {"resized", [&] { w->move_(0, 0, 50, 30); w->grab_(shot); }, 3},
      {"presented again", [&] { w->grab_(shot); }, 3},
  };
  for (const step_& s : steps) {
    s.act();
    EXPECT_EQ(paints, s.paints_after) << s.what;
  }
}

TEST_F(window_test, placement_in_twips_round_trips_through_pixels) {
  auto w = top(0, 0, 10, 10);
  const pixel_rect_ before = w->window_rect_();
  window_placement_ p = w->placement_();
  ASSERT_GT(p.width, 0);
  const int32_t tpp = static_cast<int32_t>(p.width / before.width_());
  p.left = 120 * tpp;
  p.top = 80 * tpp;
  p.width = 640 * tpp;
  p.height = 480 * tpp;
  w->set_placement_(p);
  EXPECT_EQ(w->window_rect_(), (pixel_rect_{120, 80, 760, 560}));
  const window_placement_ back = w->placement_();
  EXPECT_EQ(back.left, p.left);
  EXPECT_EQ(back.height, p.height);
  EXPECT_EQ(back.state, show_state_::normal);
}

TEST_F(window_test, modal_window_blocks_others_until_hidden) {
  auto owner = top(0, 0, 200, 200);
  auto dialog = top(50, 50, 80, 60);
  owner->show_();
  do_events_();
  int owner_clicks = 0, dialog_clicks = 0;
  owner->on_mouse = [&](const mouse_event_& m) { owner_clicks += m.type == mouse_type_::down; };
  dialog->on_mouse = [&](const mouse_event_& m) { dialog_clicks += m.type == mouse_type_::down; };
  bool was_modal = false;
  window_* innermost = nullptr;
  EXPECT_EQ(modal_window_(), nullptr);
  post_task_([&] {
    was_modal = dialog->is_modal_();
    innermost = modal_window_();
    inject_mouse_at_(*owner, mouse_type_::down, 5, 5, button_left_);
    inject_mouse_at_(*dialog, mouse_type_::down, 5, 5, button_left_);
    dialog->hide_();
  });
  dialog->show_modal_(owner.get());
  EXPECT_TRUE(was_modal);
  EXPECT_EQ(innermost, dialog.get());
  EXPECT_FALSE(dialog->is_modal_());
  EXPECT_EQ(modal_window_(), nullptr);
  EXPECT_EQ(owner_clicks, 0);
  EXPECT_EQ(dialog_clicks, 1);
  EXPECT_EQ(dialog->owner_(), owner.get());
  inject_mouse_at_(*owner, mouse_type_::down, 5, 5, button_left_);
  EXPECT_EQ(owner_clicks, 1);
}

TEST_F(window_test, close_request_can_be_refused) {
  auto w = top(0, 0, 50, 50);
  w->show_();
  bool allow = false;
  w->on_close = [&] { return allow; };
  w->close_();
  EXPECT_TRUE(w->visible_());
  allow = true;
  w->close_();
  EXPECT_FALSE(w->visible_());
}

TEST_F(window_test, nohook_switch_is_found_anywhere_in_any_case) {
  struct case_ { const char* line; bool found; };
  for (case_ k : {case_{"+nohook", true}, case_{"\"C:\\a b.zaz\" +NoHook", true}, case_{"x+NOHOOKy", true},
                  case_{"", false}, case_{"nohook", false}, case_{"+no hook", false}})
    EXPECT_EQ(has_nohook_switch_(k.line), k.found) << k.line;
}

TEST_F(window_test, timer_ticks_on_the_event_loop_until_stopped) {
  timer_ t;
  int ticks = 0;
  t.on_timer = [&] {
    if (++ticks == 2) t.stop_();
  };
  t.start_(1);
  EXPECT_TRUE(t.running_());
  for (int i = 0; i < 2000 && t.running_(); ++i) {
    sleep_ms_(1);
    do_events_();
  }
  EXPECT_EQ(ticks, 2);
  t.start_(0);
  EXPECT_FALSE(t.running_());
}

}  // namespace

namespace {

class window_input_test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_application_(); }
};

TEST_F(window_input_test, mouse_events_carry_buttons_shift_and_wheel_steps) {
  window_options_ o;
  o.x = 300;
  o.y = 300;
  o.width = 60;
  o.height = 40;
  auto w = create_window_(o);
  w->show_();
  do_events_();
  std::vector<mouse_event_> got;
  pixel_point_ pointer;
  w->on_mouse = [&](const mouse_event_& m) {
    got.push_back(m);
    pointer = cursor_pos_();
  };
  struct case_ { mouse_type_ type; int32_t button, shift, wheel, held_after; };
  const case_ cases[] = {
      {mouse_type_::down, button_left_, 0, 0, button_left_},
      {mouse_type_::move, 0, mod_shift_, 0, button_left_},
      {mouse_type_::down, button_right_, mod_ctrl_, 0, button_left_ | button_right_},
      {mouse_type_::up, button_left_, 0, 0, button_right_},
      {mouse_type_::up, button_right_, 0, 0, 0},
      {mouse_type_::double_click, button_left_, mod_alt_, 0, button_left_},
      {mouse_type_::up, button_left_, 0, 0, 0},
      {mouse_type_::wheel, 0, 0, -240, 0},
      {mouse_type_::wheel, 0, mod_ctrl_ | mod_shift_, 120, 0},
  };
  for (const case_& c : cases) {
    got.clear();
    ASSERT_TRUE(inject_mouse_at_(*w, c.type, 12, 7, c.button, c.shift, c.wheel));
    ASSERT_EQ(got.size(), 1u);
    const mouse_event_& m = got[0];
    EXPECT_EQ(m.type, c.type);
    EXPECT_EQ(m.button, c.type == mouse_type_::move || c.type == mouse_type_::wheel ? 0 : c.button);
    EXPECT_EQ(m.buttons, c.held_after);
    EXPECT_EQ(m.shift, c.shift);
    EXPECT_EQ(m.wheel, c.wheel);
    EXPECT_EQ(m.x, 12);
    EXPECT_EQ(m.y, 7);
    EXPECT_EQ(m.screen_x, w->client_rect_().left + 12);
    // Handlers that read the pointer instead of the event see the same place.
    EXPECT_EQ(pointer, (pixel_point_{m.screen_x, m.screen_y}));
  }
}

TEST_F(window_input_test, popups_show_without_taking_activation_and_click_through_lets_clicks_pass) {
  window_options_ o;
  o.x = 500;
  o.y = 100;
  o.width = 200;
  o.height = 200;
  auto main = create_window_(o);
  main->show_();
  main->activate_();
  // A real X server reports activation a little later.
  for (int i = 0; i < 200 && active_window_() != main.get(); ++i) wait_events_(10);
  ASSERT_EQ(active_window_(), main.get());

  o.kind = window_kind_::popup;
  o.parent = main.get();
  o.x = 550;
  o.y = 150;
  o.width = 50;
  o.height = 50;
  auto list = create_window_(o);
  list->show_no_activate_();
  for (int i = 0; i < 5; ++i) wait_events_(10);
  EXPECT_EQ(active_window_(), main.get());
  EXPECT_EQ(list->owner_(), main.get());
  EXPECT_EQ(window_at_(560, 160), list.get());

  surface_ shadow(50, 50, surface_kind_::alpha_);
  shadow.fill_argb_(0x40000000u);
  list->update_layered_(shadow, 550, 150, 64);
  list->set_click_through_(true);
  EXPECT_TRUE(list->per_pixel_alpha_());
  EXPECT_EQ(list->client_surface_().argb_(10, 10), 0x40000000u);
  EXPECT_EQ(window_at_(560, 160), main.get());
  EXPECT_EQ(active_window_(), main.get());
}

}  // namespace
