// The application menu's exit, the list items, the corner buttons, quick buttons and the hot
// element's tooltip on the real main window.
#include <string>

#include "platform/services/dialogs.h"
#include "ribbon_fixture.h"
#include "shell/language.h"
#include "ui/controls/statusbar/statusbar.h"

class ribbon_menu_lists : public ribbon_fixture {};

TEST_F(ribbon_menu_lists, exit_asks_to_save_and_ends_only_when_nothing_is_lost) {
  struct case_ {
    bool changed;
    int32_t answer;     // to the save question
    bool save_chosen;   // a file name given in the save dialog
    bool ends;
    bool saved;
  };
  const case_ cases[] = {
      {true, answer_yes_, false, false, false},  // the save was cancelled: keep running
      {true, answer_yes_, true, true, true},     {true, answer_no_, false, true, false},
      {true, answer_cancel_, false, false, false}, {false, 0, false, true, false},
  };
  int n = 0;
  for (const case_& c : cases) {
    SCOPED_TRACE(n);
    close();
    open("0");
    int ends = 0;
    mdi->exit_program = [&] { ++ends; };
    if (c.changed) line(0, 0, 10, 10);
    ASSERT_EQ(engine->file_change_() == true_, c.changed);
    take_dialog_requests_();
    const std::string path = dir + "exit" + std::to_string(n++) + ".zaz";
    if (c.changed) push_dialog_reply_({.kind = dialog_kind_::message_box, .answer = c.answer});
    if (c.answer == answer_yes_)
      push_dialog_reply_({.kind = dialog_kind_::save_file, .cancel = !c.save_chosen, .text = path});
    rb().MainButtonClick(2);
    EXPECT_EQ(ends, c.ends ? 1 : 0);
    EXPECT_EQ(std::filesystem::exists(path), c.saved);
    const auto asked = take_dialog_requests_();
    ASSERT_EQ(asked.size(), size_t(c.changed ? (c.answer == answer_yes_ ? 2 : 1) : 0));
    if (c.changed) {
      EXPECT_EQ(asked[0].text, lang_text_("message.savefilequestion"));
    }
  }
}

TEST_F(ribbon_menu_lists, page_and_style_items_make_their_number_active) {
  engine->page_add_("second", 210, 297);
  engine->page_add_("third", 210, 297);
  engine->dimstyle_add_("other");
  struct case_ {
    const char* key;
    int16_t page, style;
  };
  const case_ cases[] = {{"PAGE_EX_3", 3, 0}, {"PAGE_2", 2, 0}, {"PAGE_EX_x", 2, 0}, {"PAGE_9", 3, 0},
                         {"DSTYLE_2", 0, 2}, {"DSTYLE_1", 0, 1}, {"DSTYLE_", 0, 1}};
  for (const case_& c : cases) {
    rb().ListItemClick(c.key, 0, 50, 5);
    if (c.page) {
      EXPECT_EQ(engine->page_active_(), c.page) << c.key;
    }
    if (c.style) {
      EXPECT_EQ(engine->dimstyle_active_(), c.style) << c.key;
    }
  }
  EXPECT_EQ(rb().buttontext_("PAGE_SEL"), list_item_text_(3, "third", "common.page.nr"));
}

TEST_F(ribbon_menu_lists, layer_items_toggle_by_icon_or_activate_and_close_the_list) {
  engine->layer_add_("two", true_, true_, -1, -2, 0, 1);
  engine->layer_add_("three", true_, true_, -1, -2, 0, 1);
  mdi->ref_layers_();
  struct case_ {
    int32_t x;
    flag16_ visible, editable;
    int16_t active;
  };
  // Each click on layer 2, in order; the icons are 16 pixels wide from 0 and from 16.
  const case_ cases[] = {
      {8, false_, true_, 1},   {16, true_, true_, 1},  {17, true_, false_, 1}, {24, true_, true_, 1},
      {32, true_, false_, 1},  {33, true_, false_, 2}, {50, true_, false_, 2}, {-1, true_, false_, 2},
  };
  engine->layer_active_(1);
  for (const case_& c : cases) {
    rb().ListItemClick("LAYER_2", 0, c.x, 6);
    EXPECT_EQ(engine->layer_atr_vis_(2), c.visible) << c.x;
    EXPECT_EQ(engine->layer_atr_edt_(2), c.editable) << c.x;
    EXPECT_EQ(engine->layer_active_(), c.active) << c.x;
  }
  // Activating closes the open drop-down; the toggles leave it open.
  const int32_t list = rb().btnkey2id_("LAYERS_LIST");
  rb().tab_id_(rb().toolbars[size_t(rb().controls[size_t(list)].toolbar_id)].tab_id);
  mdi->ribbon()->open_button_dropdown_(rb().controls[size_t(list)].toolbar_id, list, 0);
  do_events_();
  ASSERT_TRUE(rb().winex_visible_());
  rb().ListItemClick("LAYER_3", 0, 8, 6);
  EXPECT_TRUE(rb().winex_visible_());
  rb().ListItemClick("LAYER_3", 0, 50, 6);
  EXPECT_FALSE(rb().winex_visible_());
  EXPECT_EQ(engine->layer_active_(), 3);
}

TEST_F(ribbon_menu_lists, corner_buttons_show_their_dialog_and_refresh_after_it) {
  struct case_ {
    const char* toolbar;
    const char* dialog;
  };
  const case_ cases[] = {{"PAGES", dlg_pages_}, {"PAGES_EX", dlg_pages_}, {"LAYERS", dlg_layers_},
                         {"DIMSTYLES", dlg_dimstyles_}, {"STATES", ""}};
  for (const case_& c : cases) {
    // The scripted dialog adds a page: the lists show it afterwards.
    if (*c.dialog) mdi->dialogs_.script_(c.dialog, [&](const std::string&) {
      engine->page_add_("from the dialog", 210, 297);
      engine->page_active_(int16_t(engine->pages_count_()));
      return 1;
    });
    mdi->dialogs_.take_calls_();
    rb().ToolbarExBtnClick(c.toolbar);
    const auto calls = mdi->dialogs_.take_calls_();
    if (!*c.dialog) {
      EXPECT_TRUE(calls.empty());
      continue;
    }
    ASSERT_EQ(calls.size(), 1u) << c.toolbar;
    EXPECT_EQ(calls[0].name, c.dialog);
    if (std::string(c.dialog) == dlg_pages_) {
      EXPECT_EQ(rb().buttontext_("PAGE_SEL"),
                list_item_text_(engine->pages_count_(), "from the dialog", "common.page.nr"));
    }
  }
}

TEST_F(ribbon_menu_lists, quick_buttons_and_the_options_button) {
  line(0, 0, 10, 0);
  const int32_t active = engine->state_active_();
  rb().QuickButtonClick("UNDO");
  EXPECT_EQ(engine->state_active_(), active - 1);
  rb().QuickButtonClick("REDO");
  EXPECT_EQ(engine->state_active_(), active);
  rb().QuickButtonClick("+");
  EXPECT_EQ(engine->state_active_(), active);
  mdi->dialogs_.script_(dlg_options_, [](const std::string&) { return dlg_closed_; });
  mdi->dialogs_.take_calls_();
  rb().MainButtonClick(1);
  const auto calls = mdi->dialogs_.take_calls_();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].name, dlg_options_);
}

TEST_F(ribbon_menu_lists, save_as_always_asks_for_a_name_and_save_only_the_first_time) {
  line(0, 0, 10, 0);
  const std::string path = dir + "named.zaz";
  take_dialog_requests_();
  push_dialog_reply_({.kind = dialog_kind_::save_file, .text = path});
  rb().MainMenuClick("MMENU.SAVE");
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(take_dialog_requests_().size(), 1u);
  rb().MainMenuClick("MMENU.SAVE");
  EXPECT_TRUE(take_dialog_requests_().empty());
  push_dialog_reply_({.kind = dialog_kind_::save_file, .cancel = true});
  rb().MainMenuClick("MMENU.SAVEAS");
  EXPECT_EQ(take_dialog_requests_().size(), 1u);
}

TEST_F(ribbon_menu_lists, the_hot_element_shows_its_tooltip_in_the_status_bar) {
  const int32_t tab = 3, control = rb().btnkey2id_("LINE");
  struct case_ {
    uint8_t kind;
    int32_t index;
    std::string text;
  };
  const case_ cases[] = {{3, tab, rb().tabtooltip_(tab)},
                         {4, control, rb().buttontooltip_(control)},
                         {1, 0, rb().buttonmaintooltip_()},
                         {2, 1, ""}};
  for (const case_& c : cases) {
    rb().ControlHotChange(c.kind, c.index, 0);
    EXPECT_EQ(mdi->statusbar().text_(), c.text) << int(c.kind);
  }
  EXPECT_FALSE(rb().buttontooltip_(control).empty());
  EXPECT_EQ(rb().buttonmaintooltip_(), lang_text_("mdi.mainmenu.tip"));
}
