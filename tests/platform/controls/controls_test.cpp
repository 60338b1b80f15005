// Standard controls offscreen: captions painted and repainted, clicks and Space, option groups,
// the list of a window's controls, sizing to the text and see-through labels.
#include "platform/window/controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/input/key_codes.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"

// Drawing the interface font registers the bundled Tahoma with Qt's font database. The
// application object of windowed programs lives until exit, and fontconfig keeps what that
// registration allocated behind encoded offsets that the leak checker cannot follow (its
// frames lack the frame pointers that would name the Qt caller).
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

class controls_test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    window_options_ o;
    o.x = 40;
    o.y = 40;
    o.width = 320;
    o.height = 240;
    o.title = "form";
    form = create_window_(o);
    form->show_();
    do_events_();
  }
  void TearDown() override {
    release_capture_();
    do_events_();
  }

  std::unique_ptr<control_> make(control_kind_ kind, const std::string& caption, int32_t x, int32_t y,
                                 int32_t w = 120, int32_t h = 24, window_* parent = nullptr) {
    control_options_ o;
    o.kind = kind;
    o.parent = parent ? parent : form.get();
    o.caption = caption;
    o.x = x;
    o.y = y;
    o.width = w;
    o.height = h;
    return create_control_(o);
  }

  static surface_ shot(control_& c) {
    do_events_();
    surface_ s;
    EXPECT_TRUE(c.win_() && c.win_()->grab_(s));
    return s;
  }

  // A full left click at a client point of the control.
  static void click_at(control_& c, int32_t x, int32_t y) {
    inject_mouse_at_(*c.win_(), mouse_type_::down, x, y, button_left_);
    inject_mouse_at_(*c.win_(), mouse_type_::up, x, y, button_left_);
  }

  std::unique_ptr<window_> form;
};

// Pixels that differ between two shots of one size, and the box around them.
struct difference_ {
  int32_t count = 0;
  pixel_rect_ box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
};

difference_ compare(const surface_& a, const surface_& b) {
  difference_ d;
  if (a.width_() != b.width_() || a.height_() != b.height_()) {
    d.count = -1;
    return d;
  }
  for (int32_t y = 0; y < a.height_(); ++y)
    for (int32_t x = 0; x < a.width_(); ++x) {
      if (a.colour_(x, y) == b.colour_(x, y)) continue;
      ++d.count;
      d.box = {std::min(d.box.left, x), std::min(d.box.top, y), std::max(d.box.right, x + 1),
               std::max(d.box.bottom, y + 1)};
    }
  return d;
}

TEST_F(controls_test, captions_paint_where_the_text_goes_and_repaint_on_change) {
  struct case_ {
    control_kind_ kind;
    int32_t h;
    pixel_rect_ text_area;  // where caption pixels may land
  };
  const case_ cases[] = {
      {control_kind_::label, 40, {0, 0, 120, 40}},
      {control_kind_::command_button, 24, {1, 1, 119, 23}},
      {control_kind_::check_box, 24, {17, 0, 120, 24}},
      {control_kind_::option_button, 24, {17, 0, 120, 24}},
      {control_kind_::frame, 60, {6, 0, 114, 16}},
  };
  for (const case_& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.kind));
    auto c = make(k.kind, "", 10, 10, 120, k.h);
    ASSERT_TRUE(c);
    const surface_ blank = shot(*c);

    c->set_caption_("Hello");
    const surface_ hello = shot(*c);
    const difference_ d = compare(blank, hello);
    EXPECT_GT(d.count, 20);
    EXPECT_GE(d.box.left, k.text_area.left);
    EXPECT_GE(d.box.top, k.text_area.top);
    EXPECT_LE(d.box.right, k.text_area.right);
    EXPECT_LE(d.box.bottom, k.text_area.bottom);

    c->set_caption_("Wide caption");
    EXPECT_GT(compare(hello, shot(*c)).count, 0);
    c->set_caption_("");
    EXPECT_EQ(compare(blank, shot(*c)).count, 0);
  }
}

TEST_F(controls_test, disabled_caption_is_drawn_grey_and_comes_back) {
  auto c = make(control_kind_::label, "Text", 10, 10);
  const surface_ on = shot(*c);
  c->enable_(false);
  EXPECT_GT(compare(on, shot(*c)).count, 0);
  c->enable_(true);
  EXPECT_EQ(compare(on, shot(*c)).count, 0);
}

TEST_F(controls_test, check_box_toggles_on_click_and_space_and_shows_its_mark) {
  auto c = make(control_kind_::check_box, "Show", 10, 10);
  int32_t clicks = 0;
  std::vector<int32_t> seen;
  c->on_click = [&] {
    ++clicks;
    seen.push_back(c->value_());
  };
  c->win_()->set_focus_();  // a click focuses the box; its outline is not what is looked at
  const surface_ off = shot(*c);

  click_at(*c, 5, 12);
  EXPECT_EQ(c->value_(), checked_);
  const difference_ mark = compare(off, shot(*c));
  EXPECT_GT(mark.count, 0);
  EXPECT_LE(mark.box.right, 13);  // only the box changed

  click_at(*c, 60, 12);  // on the caption: the whole control takes the click
  EXPECT_EQ(c->value_(), unchecked_);

  // Released outside: no click.
  inject_mouse_at_(*c->win_(), mouse_type_::down, 5, 12, button_left_);
  inject_mouse_at_(*c->win_(), mouse_type_::up, 200, 12, button_left_);
  EXPECT_EQ(c->value_(), unchecked_);

  c->win_()->set_focus_();
  inject_key_(key_type_::down, key_space_);
  inject_key_(key_type_::up, key_space_);
  EXPECT_EQ(c->value_(), checked_);
  EXPECT_EQ(seen, (std::vector<int32_t>{checked_, unchecked_, checked_}));

  // A double click is two clicks: the box ends where it began.
  inject_mouse_at_(*c->win_(), mouse_type_::down, 5, 12, button_left_);
  inject_mouse_at_(*c->win_(), mouse_type_::up, 5, 12, button_left_);
  inject_mouse_at_(*c->win_(), mouse_type_::double_click, 5, 12, button_left_);
  inject_mouse_at_(*c->win_(), mouse_type_::up, 5, 12, button_left_);
  EXPECT_EQ(c->value_(), checked_);
  EXPECT_EQ(clicks, 5);

  // A grayed box clears; values set by code raise no click; nonsense values are refused.
  c->set_value_(grayed_);
  click_at(*c, 5, 12);
  EXPECT_EQ(c->value_(), unchecked_);
  c->set_value_(7);
  EXPECT_EQ(c->value_(), unchecked_);
  c->set_value_(checked_);
  EXPECT_EQ(clicks, 6);

  c->enable_(false);
  click_at(*c, 5, 12);
  c->click_();
  EXPECT_EQ(c->value_(), checked_);
  EXPECT_EQ(clicks, 6);
}

TEST_F(controls_test, option_buttons_exclude_each_other_within_one_container) {
  auto a = make(control_kind_::option_button, "A", 10, 10);
  auto b = make(control_kind_::option_button, "B", 10, 40);
  auto frame = make(control_kind_::frame, "Group", 150, 10, 150, 120);
  auto fa = make(control_kind_::option_button, "FA", 8, 20, 120, 24, frame->win_());
  auto fb = make(control_kind_::option_button, "FB", 8, 50, 120, 24, frame->win_());
  int32_t clicks = 0;
  for (control_* c : {a.get(), b.get(), fa.get(), fb.get()}) c->on_click = [&] { ++clicks; };
  auto values = [&] { return std::vector<int32_t>{a->value_(), b->value_(), fa->value_(), fb->value_()}; };

  click_at(*a, 5, 12);
  EXPECT_EQ(values(), (std::vector<int32_t>{1, 0, 0, 0}));
  click_at(*b, 5, 12);
  EXPECT_EQ(values(), (std::vector<int32_t>{0, 1, 0, 0}));
  click_at(*fa, 5, 12);
  EXPECT_EQ(values(), (std::vector<int32_t>{0, 1, 1, 0}));
  click_at(*fa, 5, 12);  // again: stays set, still a click
  EXPECT_EQ(values(), (std::vector<int32_t>{0, 1, 1, 0}));
  EXPECT_EQ(clicks, 4);

  fb->set_value_(1);
  a->set_value_(1);
  EXPECT_EQ(values(), (std::vector<int32_t>{1, 0, 0, 1}));
  EXPECT_EQ(clicks, 4);
}

TEST_F(controls_test, window_lists_its_controls_in_creation_order_through_containers) {
  auto label = make(control_kind_::label, "l", 0, 0);
  auto frame = make(control_kind_::frame, "f", 0, 30, 200, 100);
  window_options_ po;
  po.kind = window_kind_::child;
  po.parent = form.get();
  auto picture = create_window_(po);  // a plain child window: a container, not a control
  auto inner = make(control_kind_::check_box, "c", 5, 20, 100, 24, frame->win_());
  auto in_picture = make(control_kind_::command_button, "b", 0, 0, 60, 24, picture.get());
  auto gone = make(control_kind_::option_button, "o", 0, 140);

  window_options_ other_o;
  auto other = create_window_(other_o);
  auto elsewhere = make(control_kind_::label, "x", 0, 0, 50, 20, other.get());
  gone.reset();

  EXPECT_EQ(standard_controls_(*form),
            (std::vector<control_*>{label.get(), frame.get(), inner.get(), in_picture.get()}));
  EXPECT_EQ(standard_controls_(*frame->win_()), std::vector<control_*>{inner.get()});
  EXPECT_EQ(find_control_(inner->handle_()), inner.get());
  EXPECT_EQ(find_control_(picture->handle_()), nullptr);

  // Controls that went with their window drop out; what is left of them is harmless.
  other->destroy_();
  EXPECT_EQ(elsewhere->win_(), nullptr);
  elsewhere->set_caption_("still safe");
  elsewhere->click_();
  EXPECT_EQ(elsewhere->caption_(), "still safe");
  control_options_ orphan;
  orphan.parent = other.get();
  EXPECT_EQ(create_control_(orphan), nullptr);
}

TEST_F(controls_test, hidden_and_disabled_buttons_take_no_clicks) {
  auto b = make(control_kind_::command_button, "Go", 10, 10);
  int32_t clicks = 0;
  b->on_click = [&] { ++clicks; };
  b->set_visible_(false);
  EXPECT_FALSE(b->win_()->visible_());
  click_at(*b, 10, 10);
  b->set_visible_(true);
  b->enable_(false);
  click_at(*b, 10, 10);
  EXPECT_EQ(clicks, 0);
  b->enable_(true);
  click_at(*b, 10, 10);
  b->win_()->set_focus_();
  inject_key_(key_type_::down, key_space_);
  inject_key_(key_type_::up, key_space_);
  EXPECT_EQ(clicks, 2);
}

TEST_F(controls_test, click_handler_may_destroy_its_own_button) {
  auto b = make(control_kind_::command_button, "Close", 10, 10);
  int32_t clicks = 0;
  b->on_click = [&] {
    ++clicks;
    b.reset();
  };
  click_at(*b, 10, 10);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b, nullptr);

  auto c = make(control_kind_::check_box, "Close", 10, 40);
  c->on_mouse = [&](const mouse_event_& m) {
    if (m.type == mouse_type_::up) c.reset();
  };
  click_at(*c, 5, 12);
  EXPECT_EQ(c, nullptr);
}

TEST_F(controls_test, label_sizes_itself_to_its_text) {
  auto saved = set_text_measurer_(std::make_shared<fixed_text_measurer_>(7));
  auto l = make(control_kind_::label, "Name", 12, 14, 300, 40);
  l->set_auto_size_(true);
  EXPECT_EQ(l->rect_(), (pixel_rect_{12, 14, 12 + 4 * 7, 14 + 11}));
  l->set_caption_("First\r\nSecond line");
  EXPECT_EQ(l->rect_(), (pixel_rect_{12, 14, 12 + 11 * 7, 14 + 22}));
  EXPECT_EQ(l->win_()->client_width_(), 77);
  EXPECT_EQ(l->win_()->client_height_(), 22);
  set_text_measurer_(saved);
}

TEST_F(controls_test, transparent_label_shows_its_parent_behind_the_text) {
  const uint32_t back = rgb_(10, 120, 200);
  form->client_surface_().fill_colour_(back);
  auto l = make(control_kind_::label, "", 20, 30, 60, 20);
  l->set_transparent_(true);
  const surface_ s = shot(*l);
  int32_t same = 0;
  for (int32_t y = 0; y < s.height_(); ++y)
    for (int32_t x = 0; x < s.width_(); ++x) same += s.colour_(x, y) == back;
  EXPECT_EQ(same, 60 * 20);

  l->set_transparent_(false);
  EXPECT_NE(shot(*l).colour_(0, 0), back);
}

}  // namespace
