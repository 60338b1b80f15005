#include "dialogs/drawprop/drawprop.h"

#include "dialogs/text/dialog_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

struct drawprop_test : dialog_fixture {
  void open() {
    dialog = std::make_unique<ex_drawprop_>(engine, owner.get());
    dialog->show_();
    do_events_();
  }
  void type_into(xctextbox_& box, const std::string& text) {
    focus(dialog->window_of_(), box.win_());
    box.SelectAll();
    type(text);
  }
  void press(xcbutton_& b) { click_centre(*b.win_()); }
  std::unique_ptr<ex_drawprop_> dialog;
};

TEST_F(drawprop_test, opens_with_the_drawings_texts_counts_and_no_password) {
  engine.information_title_("Plan");
  engine.information_author_("Ann");
  for (int i = 0; i < 3; ++i) engine.add_circle_(float(i), 0, 1);
  engine.select_record_(2, -1);
  engine.delete_object_(2);
  open();
  EXPECT_EQ(dialog->text_title_->text(), "Plan");
  EXPECT_EQ(dialog->text_autor_->text(), "Ann");
  EXPECT_EQ(dialog->info_objects_->caption_(), "2 / 1");
  EXPECT_EQ(dialog->text_password1_->text(), "");
  EXPECT_EQ(dialog->label_secstate_->caption_(), lang_text_("window.drawprop.security.setstate.0"));
  EXPECT_EQ(dialog->window_of_().title_(), lang_text_("window.drawprop.title"));
}

TEST_F(drawprop_test, password_button_sets_refuses_and_clears) {
  struct row {
    const char* stored;
    const char* first;
    const char* second;
    const char* after;
    bool warned;
  };
  const row rows[] = {
      {"", "Xy", "Xy", "Xy", false},
      {"", "Xy", "xy", "", true},
      {"old", "", "", "", false},
      {"old", "new", "", "old", true},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(std::string(r.first) + "/" + r.second);
    engine.security_password_(r.stored);
    open();
    type_into(*dialog->text_password1_, r.first);
    type_into(*dialog->text_password2_, r.second);
    if (!*r.first) dialog->text_password1_->text("");
    if (!*r.second) dialog->text_password2_->text("");
    take_dialog_requests_();
    press(*dialog->btn_password_);
    EXPECT_EQ(engine.security_password_(), r.after);
    auto asked = take_dialog_requests_();
    ASSERT_EQ(asked.size(), r.warned ? 1u : 0u);
    if (r.warned) {
      EXPECT_EQ(asked[0].text, lang_text_("message.cantsetpassword"));
      EXPECT_EQ(asked[0].style, box_ok_ + box_icon_warning_);
    }
    // Both boxes show the drawing's password again, and the state follows it.
    EXPECT_EQ(dialog->text_password1_->text(), r.after);
    EXPECT_EQ(dialog->text_password2_->text(), r.after);
    EXPECT_EQ(dialog->label_secstate_->caption_(),
              lang_text_(*r.after ? "window.drawprop.security.setstate.1" : "window.drawprop.security.setstate.0"));
    dialog.reset();
  }
}

TEST_F(drawprop_test, title_typed_before_the_password_button_survives_it_and_close_writes_it) {
  engine.information_title_("Old");
  open();
  type_into(*dialog->text_title_, "New");
  type_into(*dialog->text_password1_, "a");
  type_into(*dialog->text_password2_, "a");
  press(*dialog->btn_password_);
  EXPECT_EQ(dialog->text_title_->text(), "New");
  EXPECT_EQ(engine.information_title_(), "Old");  // not before Close
  press(*dialog->btn_close_);
  EXPECT_FALSE(dialog->open_());
  EXPECT_EQ(engine.information_title_(), "New");
  EXPECT_EQ(engine.security_password_(), "a");
}

TEST_F(drawprop_test, frame_close_discards_edits_and_esc_presses_close) {
  engine.information_author_("Ann");
  open();
  type_into(*dialog->text_autor_, "Bob");
  dialog->window_of_().close_();  // what the frame's close box does
  do_events_();
  EXPECT_FALSE(dialog->open_());
  EXPECT_EQ(engine.information_author_(), "Ann");

  open();
  type_into(*dialog->text_autor_, "Cy");
  key(key_escape_);
  do_events_();
  EXPECT_FALSE(dialog->open_());
  EXPECT_EQ(engine.information_author_(), "Cy");
}

TEST_F(drawprop_test, modal_dialog_returns_after_close) {
  engine.information_title_("T");
  bool shown = false;
  when_modal([&shown](window_& w) {
    shown = true;
    w.close_();
  });
  show_drawprop_dialog_(engine, owner.get());
  EXPECT_TRUE(shown);
  EXPECT_EQ(engine.information_title_(), "T");
}

}  // namespace
