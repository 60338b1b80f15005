// The main window's life: placement from and to the settings, and the save question on closing.
#include "mdi_fixture.h"
#include "platform/services/screen.h"

// The command bar's caption is a platform label, drawn in the interface font: registering the
// bundled Tahoma leaves fontconfig allocations the leak checker cannot follow (see the platform
// controls test), for the life of the application object.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

TEST_F(mdi_fixture, stored_placement_opens_there_and_a_normal_close_writes_five_keys) {
  const int32_t tx = twips_per_pixel_x_(), ty = twips_per_pixel_y_();
  save_setting_("kalvinor.zaz", "windows\\MDI", "width", std::to_string(1000 * tx));
  save_setting_("kalvinor.zaz", "windows\\MDI", "height", std::to_string(700 * ty));
  save_setting_("kalvinor.zaz", "windows\\MDI", "left", std::to_string(50 * tx));
  save_setting_("kalvinor.zaz", "windows\\MDI", "top", std::to_string(40 * ty));
  open();
  const pixel_rect_ r = mdi->form().window_rect_();
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right - r.left, 1000);
  EXPECT_EQ(r.bottom - r.top, 700);
  mdi->form().move_(60, 70, 900, 650);
  mdi->form().close_();
  EXPECT_EQ(setting("WinState"), "0");
  EXPECT_EQ(setting("width"), std::to_string(900 * tx));
  EXPECT_EQ(setting("height"), std::to_string(650 * ty));
  EXPECT_EQ(setting("left"), std::to_string(60 * tx));
  EXPECT_EQ(setting("top"), std::to_string(70 * ty));
}

TEST_F(mdi_fixture, absent_keys_give_a_centred_850_by_600_window_and_a_minimised_close_writes_only_the_state) {
  open();
  const pixel_rect_ r = mdi->form().window_rect_();
  EXPECT_EQ(r.right - r.left, 850);
  EXPECT_EQ(r.bottom - r.top, 600);
  EXPECT_EQ(r.left, screen_width_px_() / 2 - 425);
  EXPECT_EQ(r.top, screen_height_px_() / 2 - 300);
  mdi->form().minimize_();
  do_events_();
  mdi->form().close_();
  EXPECT_EQ(setting("WinState"), "1");
  for (const char* key : {"width", "height", "left", "top"}) EXPECT_EQ(setting(key), "absent") << key;
}

// Closing with unsaved changes: Cancel, or Yes with the save dialog cancelled or a file that
// cannot be written, keeps window and drawing; No closes; Yes with a good file saves and closes.
TEST_F(mdi_fixture, closing_with_changes_closes_only_when_the_answer_allows_and_the_save_completed) {
  struct close_case {
    const char* name;
    int32_t answer;
    bool dialog;          // a save dialog follows
    bool cancel_dialog;
    const char* file;     // relative to the test folder
    bool closes;
  } cases[] = {
      {"cancel", answer_cancel_, false, false, "", false},
      {"no", answer_no_, false, false, "", true},
      {"yes, dialog cancelled", answer_yes_, true, true, "", false},
      {"yes, unwritable path", answer_yes_, true, false, "missing/dir/a.zaz", false},
      {"yes, saved", answer_yes_, true, false, "a.zaz", true},
  };
  for (const close_case& c : cases) {
    SCOPED_TRACE(c.name);
    open();
    engine->state_begin_();
    engine->add_line_(0, 0, 10, 10);
    engine->state_save_("line");
    ASSERT_TRUE(engine->file_change_());
    bool unloaded = false;
    mdi->on_unload = [&] { unloaded = true; };
    dialog_reply_ box;
    box.kind = dialog_kind_::message_box;
    box.answer = c.answer;
    push_dialog_reply_(box);
    if (c.dialog) {
      dialog_reply_ d;
      d.kind = dialog_kind_::save_file;
      d.cancel = c.cancel_dialog;
      d.text = dir + c.file;
      d.filter_index = 1;
      push_dialog_reply_(d);
    }
    mdi->form().close_();
    do_events_();
    EXPECT_EQ(unloaded, c.closes);
    EXPECT_EQ(mdi->form().visible_(), !c.closes);
    EXPECT_EQ(engine->records_() > 0, true);
    if (std::string(c.file) == "a.zaz") {
      EXPECT_TRUE(std::filesystem::exists(dir + "a.zaz"));
    }
    EXPECT_EQ(pending_dialog_replies_(), 0u);
    close();
  }
}

TEST_F(mdi_fixture, an_unchanged_drawing_closes_without_a_question) {
  open();
  mdi->form().close_();
  EXPECT_TRUE(take_dialog_requests_().empty());
  EXPECT_FALSE(mdi->form().visible_());
}
