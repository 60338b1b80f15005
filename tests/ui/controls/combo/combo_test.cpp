// The combo box: its item store, its field and its drop list, driven by injected input.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/input/key_codes.h"
#include "shell/colors.h"
#include "shell/frame_state.h"
#include "shell/ui_metrics.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/xc_fixture.h"
#include "ui/skin/skin_file.h"
#include "ui/skin/skin_palette.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

std::vector<std::string> texts(const xccombobox_& c) {
  std::vector<std::string> out;
  for (int32_t i = 0; i < c.ListCount(); ++i) out.push_back(c.List(i));
  return out;
}

TEST(combo_items_test, selection_clear_and_finding) {
  auto host = make_host_();
  xccombobox_ c(*host, 10, 10, 150, 21);
  for (const char* t : {"mm", "cm", "m", "km"}) c.AddItem(t, int32_t(t[0]));
  c.ListIndex(10);
  EXPECT_EQ(c.ListIndex(), 3);
  EXPECT_EQ(c.text(), "km");
  c.ListIndex(-5);
  EXPECT_EQ(c.ListIndex(), 0);
  c.text("inch");  // an unknown text keeps the selection
  EXPECT_EQ(c.ListIndex(), 0);
  EXPECT_EQ(c.text(), "inch");
  c.ListIndex(2);
  EXPECT_EQ(c.AddItem("dm", 0, true_), 0);  // added before: ListIndex stays and names the item before
  EXPECT_EQ(c.ListIndex(), 2);
  EXPECT_EQ(c.List(2), "cm");
  EXPECT_EQ(c.FindIdByValue('k'), 4);
  EXPECT_EQ(c.FindIdByValue(12345), 0);
  EXPECT_EQ(c.List(99), "");
  EXPECT_EQ(c.ListValue(-1), 0);
  c.Clear();
  EXPECT_EQ(c.ListIndex(), -1);
  EXPECT_EQ(c.ListCount(), 0);
  EXPECT_EQ(c.text(), "m");
  c.ListIndex(3);  // an empty list: index 0, the text stays
  EXPECT_EQ(c.ListIndex(), 0);
  EXPECT_EQ(c.text(), "m");
}

TEST(combo_items_test, sort_folds_polish_letters_and_keeps_an_empty_list_empty) {
  combo_state_ st;
  for (const char* t : {"źle", "zebra", "żaba"}) combo_add_item_(st, t, 0, false_, -1, {}, {}, false_);
  combo_sort_(st);
  std::vector<std::string> got;
  for (const auto& it : st.items) got.push_back(it.text.text);
  EXPECT_EQ(got, (std::vector<std::string>{"żaba", "zebra", "źle"}));
  EXPECT_EQ(combo_sort_key_(combo_text_("Łódź")), "lodz");

  combo_state_ nums;
  for (combo_text_ t : {combo_text_("10"), combo_text_("9")}) combo_add_item_(nums, t, 0, false_, -1, {}, {}, false_);
  combo_sort_(nums);
  EXPECT_EQ(nums.items[0].text.text, "10");  // numeric texts stay texts
  combo_state_ real;
  for (combo_text_ t : {combo_text_(10), combo_text_(9)}) combo_add_item_(real, t, 0, false_, -1, {}, {}, false_);
  combo_sort_(real);
  EXPECT_EQ(real.items[0].text.text, "9");

  combo_state_ empty;
  combo_sort_(empty);
  EXPECT_TRUE(empty.items.empty());
}

struct combo_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    host->activate_();
    combo = std::make_unique<xccombobox_>(*host, 20, 20, 150, 21);
    combo->Click = [this] { log.push_back("click" + std::string(combo->list_visible_() ? " open" : "")); };
    combo->ComboShow = [this] { log.push_back("show"); };
    combo->ItemClick = [this](int32_t i) {
      log.push_back("item " + std::to_string(i) + (combo->list_visible_() ? " open" : ""));
    };
    combo->MouseScroll = [this](int16_t v) { log.push_back("scroll " + std::to_string(v)); };
    do_events_();
  }
  void TearDown() override {
    combo.reset();
    EXPECT_EQ(combo_list_open_, false_);
    combo_list_open_ = false_;
  }
  void fill(int32_t n, int32_t visible) {
    combo->maxitemvis_(visible);
    for (int32_t i = 0; i < n; ++i) combo->AddItem("item " + std::to_string(i), i);
  }
  window_& field() { return *combo->win_(); }
  window_& list() { return *combo->list_window_(); }
  void open() {
    click_at_(field(), 10, 10);
    ASSERT_TRUE(combo->list_visible_());
  }

  std::unique_ptr<window_> host;
  std::unique_ptr<xccombobox_> combo;
  std::vector<std::string> log;
};

TEST_F(combo_fixture, list_size_and_scroll_range_follow_maxitemvis) {
  struct case_ { int32_t items, visible, height, max; bool bar; };
  const int32_t row = ui_metrics_.list_row_h_;
  for (case_ c : {case_{12, 5, 5 * row + 4, 7, true}, case_{2, 5, 2 * row + 4, -3, false},
                  case_{12, 2, 2 * row + 4, 10, true}, case_{12, 0, 10 * row + 4, 2, true},
                  case_{12, 25, 10 * row + 4, 2, true}}) {
    combo->Clear();
    combo->maxitemvis_(10);
    fill(c.items, c.visible);
    combo->show_combo_();
    EXPECT_EQ(list().client_height_(), c.height) << c.items << "/" << c.visible;
    EXPECT_EQ(list().client_width_(), 150);
    EXPECT_EQ(list().window_rect_().top, field().window_rect_().bottom);
    EXPECT_EQ(combo->state_().scroll_max, c.max);
    EXPECT_EQ(combo->state_().needs_bar == true_, c.bar);
    combo->HideCombo();
  }
}

TEST_F(combo_fixture, hidden_items_take_no_row_but_count_for_the_range) {
  combo->maxitemvis_(5);
  for (int32_t i = 0; i < 6; ++i) combo->AddItem("item " + std::to_string(i), i, false_, -1, {}, {}, to_flag_(i % 3 == 0));
  combo->show_combo_();
  EXPECT_EQ(list().client_height_(), 4 * ui_metrics_.list_row_h_ + 4);
  EXPECT_EQ(combo->state_().needs_bar, true_);
  EXPECT_EQ(combo->state_().scroll_max, 1);
  // The first row shows item 1: a press on it picks index 1.
  move_at_(list(), 20, 10);
  move_at_(list(), 20, 10);
  press_at_(list(), 20, 10);
  release_at_(list(), 20, 10);
  EXPECT_EQ(combo->ListIndex(), 1);
}

TEST(combo_plain_test, without_a_skin_the_field_shows_its_outlines) {
  ensure_application_();
  skin_loaded_ = false_;
  auto host = make_host_();
  xccombobox_ c(*host, 10, 10, 120, 21);
  const surface_& s = c.win_()->client_surface_();
  const uint32_t line = uint32_t(placeholder_outline_());
  EXPECT_EQ(s.colour_(0, 0), line);
  EXPECT_EQ(s.colour_(119, 20), line);
  EXPECT_EQ(s.colour_(103, 10), line);  // the arrow part's separator at W - 17
  EXPECT_EQ(s.colour_(110, 10), uint32_t(placeholder_face_()));
}

TEST_F(combo_fixture, field_click_clicks_on_press_and_release_and_a_row_press_picks) {
  fill(4, 10);
  open();
  EXPECT_EQ(combo_list_open_, true_);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "show", "click open"}));
  log.clear();
  const int32_t row = ui_metrics_.list_row_h_;
  move_at_(list(), 30, 2 + row + 5);  // the field lets its hover capture go
  move_at_(list(), 30, 2 + row + 5);
  press_at_(list(), 30, 2 + row + 5);
  release_at_(list(), 30, 2 + row + 5);
  EXPECT_EQ(log, (std::vector<std::string>{"item 1 open"}));
  EXPECT_FALSE(combo->list_visible_());
  EXPECT_EQ(combo_list_open_, false_);
  EXPECT_EQ(combo->ListIndex(), 1);
  EXPECT_EQ(combo->text(), "item 1");
  // A second field click while open closes it and clicks once, on the release.
  open();
  log.clear();
  click_at_(field(), 10, 10);
  EXPECT_FALSE(combo->list_visible_());
  EXPECT_EQ(log, (std::vector<std::string>{"click"}));
}

TEST_F(combo_fixture, wheel_scrolls_a_long_list_and_always_reports) {
  fill(2, 5);
  open();
  log.clear();
  move_at_(list(), 30, 10);
  inject_mouse_at_(list(), mouse_type_::wheel, 30, 10, 0, 0, -120);
  EXPECT_EQ(log, (std::vector<std::string>{"scroll 1"}));
  EXPECT_EQ(combo->state_().top_row, 0);
  combo->HideCombo();

  combo->Clear();
  fill(12, 5);
  open();
  log.clear();
  move_at_(list(), 30, 10);
  for (int i = 0; i < 3; ++i) inject_mouse_at_(list(), mouse_type_::wheel, 30, 10, 0, 0, -120);
  inject_mouse_at_(list(), mouse_type_::wheel, 30, 10, 0, 0, 120);
  EXPECT_EQ(combo->state_().top_row, 2);
  EXPECT_EQ(log.size(), 4u);
  // A turn forwarded while the pointer is elsewhere does nothing.
  move_at_(*host, 300, 250);
  EXPECT_EQ(combo->call_mscroll_(1), false_);
  EXPECT_EQ(log.size(), 4u);
}

TEST_F(combo_fixture, keys_scroll_reopen_and_click_without_selecting) {
  fill(25, 10);
  open();
  log.clear();
  std::vector<int16_t> downs;
  combo->KeyDown = [&](int16_t k, int16_t) { downs.push_back(k); };
  for (int32_t k : {key_down_, key_next_, key_next_, key_up_}) {
    inject_key_(key_type_::down, k);
    inject_key_(key_type_::up, k);
  }
  EXPECT_EQ(combo->state_().top_row, 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "show"), 1);  // Down reopens
  inject_key_(key_type_::down, key_end_);
  EXPECT_EQ(combo->state_().top_row, 15);
  inject_key_(key_type_::down, key_return_);
  EXPECT_EQ(log.back(), "click open");
  EXPECT_EQ(combo->ListIndex(), -1);
  inject_key_(key_type_::down, key_escape_);
  EXPECT_FALSE(combo->list_visible_());
  EXPECT_EQ(downs, (std::vector<int16_t>{key_down_, key_next_, key_next_, key_up_, key_end_, key_return_, key_escape_}));
  // Space clicks on its release and never opens the list.
  log.clear();
  inject_key_(key_type_::down, key_space_);
  inject_key_(key_type_::up, key_space_);
  EXPECT_EQ(log, (std::vector<std::string>{"click"}));
}

TEST_F(combo_fixture, held_arrow_steps_once_waits_then_steps_every_pass) {
  stepped_clock_ clock;
  fill(400, 5);
  open();
  const int32_t W = list().client_width_(), H = list().client_height_();
  int32_t at_300 = -1;
  clock.at(clock.now_ms() + 300, [&] { at_300 = combo->state_().top_row; });
  clock.at(clock.now_ms() + 500, [&] { release_at_(list(), W - 9, H - 4); });
  move_at_(list(), W - 9, H - 4);
  press_at_(list(), W - 9, H - 4);
  EXPECT_EQ(at_300, 1);
  EXPECT_EQ(combo->state_().top_row, 170);  // once at the press, then at 331..499 ms
  EXPECT_TRUE(combo->list_visible_());
}

TEST_F(combo_fixture, a_frame_press_hides_the_list_and_clears_the_flag) {
  // The shell's part, as the frame code does it: remember the open drop-down, and on a press
  // on a framed window's frame collapse it to nothing and hide it.
  window_handle_ open_dropdown = 0;
  auto before = set_combo_shell_hooks_({[&](window_handle_ h) { open_dropdown = h; }, {}});
  host->on_frame_mouse = [&](const mouse_event_& m) {
    if (m.type != mouse_type_::down) return;
    window_* w = find_window_(open_dropdown);
    if (!w || !w->visible_()) return;
    w->move_(0, 0, 0, 0);
    w->hide_();
    open_dropdown = 0;
  };
  host->set_frame_insets_(4, 24, 4, 4);
  do_events_();
  fill(4, 10);
  open();
  ASSERT_EQ(open_dropdown, list().handle_());
  ASSERT_EQ(combo_list_open_, true_);
  const pixel_rect_ r = host->window_rect_();
  inject_mouse_(mouse_type_::down, r.left + 100, r.top + 10, button_left_);
  inject_mouse_(mouse_type_::up, r.left + 100, r.top + 10, button_left_);
  EXPECT_FALSE(combo->list_visible_());
  EXPECT_EQ(combo_list_open_, false_);
  // The combo knows: the next field press opens the list again, with its Click.
  log.clear();
  open();
  EXPECT_EQ(log.front(), "click");
  EXPECT_EQ(combo_list_open_, true_);
  EXPECT_GT(list().client_height_(), 0);
  combo->HideCombo();
  set_combo_shell_hooks_(before);
}

TEST_F(combo_fixture, field_shows_the_swatch_and_the_focus_frame) {
  combo->AddItem("red", 1, false_, rgb_(200, 0, 0));
  combo->AddItem("by layer", 2, false_, -3);
  combo->ListIndex(0);
  const surface_& s = field().client_surface_();
  EXPECT_EQ(s.colour_(8, 8), rgb_(200, 0, 0));
  open();
  // The list draws the swatch in each coloured row and its border in skin colour 3.
  EXPECT_EQ(list().client_surface_().colour_(10, 2 + 7), rgb_(200, 0, 0));
  EXPECT_EQ(list().client_surface_().colour_(0, 0), uint32_t(skin_color_(3)));
  combo->HideCombo();
  combo->focus_();
  const int32_t W = 150, H = 21;
  EXPECT_EQ(s.colour_(0, 0), uint32_t(skin_palette_.color_foc2_border));
  EXPECT_EQ(s.colour_(W - 1, H - 1), uint32_t(skin_palette_.color_foc1_border));
  combo->border_(false_);
  combo->refresh_();
  EXPECT_NE(s.colour_(W - 1, H - 1), uint32_t(skin_palette_.color_foc1_border));
}

}  // namespace
