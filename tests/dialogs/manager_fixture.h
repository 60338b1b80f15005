// What the page, layer and style dialog tests share: fixed 7-pixel text (rows and hit ranges do
// not depend on the installed fonts), the English texts (a missed key fails the test), the test
// skin, scripted message and input boxes, a real engine and the host record the main window
// fills. Each test's own SetUp calls this one, then draws what it needs.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialogs/layers/dialog_common.h"
#include "engine/zaz_class.h"
#include "platform/gdi/font.h"
#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "shell/language.h"
#include "support/missing_texts.h"
#include "support/test_skin.h"
#include "ui/controls/textbox/textbox.h"

class manager_fixture_ : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    measurer_before = set_text_measurer_(std::make_shared<fixed_text_measurer_>(7));
    ASSERT_EQ(load_language_(ARVEX_SOURCE_DIR "/resources/program_en.lang"), true_);
    load_test_skin_();
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
    host.ref = [this](int32_t, int32_t) { ++refs; };
  }
  void TearDown() override {
    clear_dialog_replies_();
    set_text_measurer_(measurer_before);
  }

  // Dialog D over the engine, shown and laid out as its first showing does.
  template <class D>
  std::unique_ptr<D> open_() {
    auto d = std::make_unique<D>(eng, host);
    if constexpr (requires { d->form(); })
      d->form().show_();
    else
      d->dialog().show_();
    d->Form_Resize();
    do_events_();
    return d;
  }
  static void move(window_& w, int32_t x, int32_t y) {
    inject_mouse_at_(w, mouse_type_::move, x, y);
    do_events_();
  }
  static void click(window_& w, int32_t x, int32_t y, int32_t button = 1) {
    move(w, x, y);
    inject_mouse_at_(w, mouse_type_::down, x, y, button);
    inject_mouse_at_(w, mouse_type_::up, x, y, button);
    do_events_();
  }
  // Types into a box and moves the focus on to next, as leaving the box does.
  static void type_and_leave(xctextbox_& box, const std::string& text, xc_control_& next) {
    box.win_()->set_focus_();
    do_events_();
    box.text(text);
    next.win_()->set_focus_();
    do_events_();
  }
  // A message box's reply.
  static void reply(int32_t answer) {
    dialog_reply_ r;
    r.kind = dialog_kind_::message_box;
    r.answer = answer;
    push_dialog_reply_(r);
  }

  std::shared_ptr<text_measurer_> measurer_before;
  missing_texts_recorder texts;
  zaz_class_ eng;
  dialog_host_rec_ host;
  int32_t refs = 0;
};
