// Settings as a user changes them: language, skin and interface type chosen in the options
// window (clicked on its lists and its button) and in effect after the program is started again; the docking-toolbar layout and the
// main window's place kept from one run to the next.
#include "session_steps.h"
#include "shell/guiopt.h"
#include "shell/main_link.h"
#include "ui/controls/button/button.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/xc_fixture.h"
#include "ui/skin/skin_file.h"

namespace {
class settings_session : public session_steps {
 protected:
  // Where a toolbar is: its dock area and, when docked, its row there.
  static std::pair<int32_t, int32_t> place_of(const xdocktb_& tb, int32_t t) {
    const int32_t dock = tb.toolbars[size_t(t)].dock;
    return {dock, dock == dock_floating_ ? 0 : tb.toolbars[size_t(t)].row};
  }
  // A row of a combo box chosen as a user does: a click opens its list, a click picks the row.
  void choose(xccombobox_& box, int32_t row) {
    click_at_(*box.win_(), 20, 10);
    settle();
    ASSERT_TRUE(box.list_visible_());
    window_& list = *box.list_window_();
    const int32_t y = 2 + (row - box.state_().top_row) * ui_metrics_.list_row_h_ + ui_metrics_.list_row_h_ / 2;
    // The first move enters the list, the next one marks the row under the pointer.
    move_at_(list, 30, y);
    move_at_(list, 30, y + 1);
    press_at_(list, 30, y + 1);
    release_at_(list, 30, y + 1);
    settle();
    EXPECT_EQ(box.ListIndex(), row);
  }
  // The text of a key in one language file (the running language is loaded again after).
  static std::string text_in(const char* file, const char* key, const char* back) {
    load_language_(file);
    const std::string t = lang_text_(key);
    load_language_(back);
    return t;
  }
};

TEST_F(settings_session, options_chosen_in_the_options_window_take_effect_after_a_restart) {
  struct case_ {
    int32_t type;  // list rows: 0 ribbon, 1 classic
    int32_t skin;  // 0 blue, 1 silver, 2 black
    int32_t lang;  // 0 Polish, 1 English
    const char* skin_file;
    const char* lang_file;
  };
  const case_ cases[] = {{0, 2, 1, "black.skin", "program_en.lang"},
                         {1, 1, 0, "silver.skin", "program_pl.lang"},
                         {0, 0, 0, "blue.skin", "program_pl.lang"},
                         {1, 2, 1, "black.skin", "program_en.lang"}};
  start("1");
  for (const case_& c : cases) {
    SCOPED_TRACE(std::string(c.skin_file) + " " + c.lang_file + " type " + std::to_string(c.type));
    const int32_t type_before = mdi->gui_type_val_();
    {
      OPT_ opt;
      opt.reload_();
      opt.dialog().win().show_();
      settle();
      choose(opt.type_box(), c.type);
      choose(opt.skin_box(), c.skin);
      choose(opt.lang_box(), c.lang);
      click_at_(*opt.save_button().win_(), 20, 10);
      settle();
      EXPECT_FALSE(opt.dialog().win().visible_());
    }
    // A new interface type is announced for the next start; the skin is in use at once.
    const std::vector<std::string> said = messages();
    EXPECT_EQ(said.size(), c.type != type_before ? 1u : 0u);
    EXPECT_EQ(mdi->gui_type_val_(), type_before);
    EXPECT_EQ(skin_file_path_.substr(skin_file_path_.rfind('/') + 1), c.skin_file);
    restart();
    EXPECT_EQ(mdi->gui_type_val_(), c.type);
    EXPECT_EQ(mdi->ribbon() != nullptr, c.type == 0);
    EXPECT_EQ(mdi->docktb() != nullptr, c.type == 1);
    EXPECT_EQ(skin_file_path_.substr(skin_file_path_.rfind('/') + 1), c.skin_file);
    EXPECT_EQ(skin_loaded_, true_);
    const std::string shown = lang_text_("guiopt.title");
    const std::string en = text_in("program_en.lang", "guiopt.title", c.lang_file);
    const std::string pl = text_in("program_pl.lang", "guiopt.title", c.lang_file);
    ASSERT_NE(en, pl);
    EXPECT_EQ(shown, c.lang == 1 ? en : pl);
  }
}

TEST_F(settings_session, the_toolbar_layout_and_the_window_place_survive_a_restart) {
  start("1");
  xdocktb_* tb = mdi->docktb();
  ASSERT_NE(tb, nullptr);
  // A toolbar dragged by its grip out of its dock area, floating over the window.
  const int32_t t = 12;
  window_* w = tb->tool_window_(t);
  ASSERT_NE(w, nullptr);
  ASSERT_NE(tb->toolbars[size_t(t)].dock, dock_floating_);
  mdi->form().activate_();
  settle();
  const pixel_rect_ form = mdi->form().window_rect_();
  inject_mouse_at_(*w, mouse_type_::down, 5, 10, button_left_);
  inject_mouse_(mouse_type_::move, form.left + 400, form.top + 300, button_left_);
  inject_mouse_(mouse_type_::up, form.left + 400, form.top + 300, button_left_);
  settle();
  ASSERT_EQ(tb->toolbars[size_t(t)].dock, dock_floating_);
  const pixel_rect_ floating = tb->tool_window_(t)->window_rect_();
  // The window moved and sized.
  mdi->form().move_(37, 29, 1010, 700);
  settle();
  const window_placement_ placed = mdi->form().placement_();
  std::vector<std::pair<int32_t, int32_t>> docks;
  for (int32_t i = 1; i <= tb->tbcount_(); ++i) docks.push_back(place_of(*tb, i));

  restart();
  tb = mdi->docktb();
  ASSERT_NE(tb, nullptr);
  std::vector<std::pair<int32_t, int32_t>> again_docks;
  for (int32_t i = 1; i <= tb->tbcount_(); ++i)
    again_docks.push_back(place_of(*tb, i));
  EXPECT_EQ(again_docks, docks);
  ASSERT_NE(tb->tool_window_(t), nullptr);
  const pixel_rect_ floating_again = tb->tool_window_(t)->window_rect_();
  EXPECT_EQ(floating_again.left, floating.left);
  EXPECT_EQ(floating_again.top, floating.top);
  const window_placement_ again = mdi->form().placement_();
  EXPECT_EQ(again.left, placed.left);
  EXPECT_EQ(again.top, placed.top);
  EXPECT_EQ(again.width, placed.width);
  EXPECT_EQ(again.height, placed.height);
}

}  // namespace
