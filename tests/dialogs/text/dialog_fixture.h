// What the dialog tests share: the flat test skin, the English texts (a missed key fails the
// test), fixed 7-pixel characters, scripted message and common dialogs, settings in a folder of
// their own, a shown owner window and a new drawing in a real engine.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "platform/input/key_codes.h"
#include "platform/services/dialogs.h"
#include "platform/services/settings_backend.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "support/missing_texts.h"
#include "ui/controls/xc_fixture.h"

struct dialog_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    ASSERT_TRUE(is_set_(load_language_("program_en.lang")));
    settings_dir = std::filesystem::temp_directory_path() /
                   ("arvex_dialog_settings_" + std::to_string(::getpid()));
    std::filesystem::create_directories(settings_dir);
    set_user_settings_folder_(settings_dir.string());
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
    owner = make_host_();
    engine.file_new_(true_, "");
    texts = std::make_unique<missing_texts_recorder>();
  }
  void TearDown() override {
    texts.reset();
    clear_dialog_replies_();
    set_user_settings_folder_("");
    std::error_code ec;
    std::filesystem::remove_all(settings_dir, ec);
  }

  // A key pressed and released on the focused window, with its character when it types one.
  static void key(int32_t code, int32_t shift = 0, uint32_t ch = 0) {
    inject_key_(key_type_::down, code, shift, ch);
    inject_key_(key_type_::up, code, shift);
  }
  static void type(const std::string& text) {
    for (char c : text) {
      const int32_t code = (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
      key(code, (c >= 'A' && c <= 'Z') ? mod_shift_ : 0, uint32_t(static_cast<unsigned char>(c)));
    }
  }
  // Gives a control's window the keyboard focus along the user's road (a click would move the
  // caret; the focus is all these tests need).
  static void focus(window_& top, window_* w) {
    for (int i = 0; i < 50 && focused_window_() != w; ++i) {
      top.activate_();
      w->set_focus_();
      do_events_();
    }
    ASSERT_EQ(focused_window_(), w);
  }
  // The centre of a child window in the client coordinates of the top-level window.
  static pixel_point_ centre_in(window_& top, window_& w) {
    const pixel_rect_ r = w.client_rect_();
    return top.screen_to_client_({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  static void click_window(window_& w, int32_t x, int32_t y, int32_t button = button_left_) {
    inject_mouse_at_(w, mouse_type_::move, x, y);
    inject_mouse_at_(w, mouse_type_::down, x, y, button);
    inject_mouse_at_(w, mouse_type_::up, x, y, button);
    do_events_();
  }
  static void click_centre(window_& w) {
    click_window(w, w.client_width_() / 2, w.client_height_() / 2);
  }

  // Runs action on the modal window once one is shown (the dialog's own loop runs it); gives up
  // after many passes so that a dialog that never opens fails instead of hanging.
  static void when_modal(std::function<void(window_& w)> action, int tries = 2000) {
    post_task_([action, tries] {
      window_* w = active_window_();
      if (w && w->is_modal_()) return action(*w);
      if (tries > 0) when_modal(action, tries - 1);
    });
  }

  fixed_widths_ widths{7};
  std::filesystem::path settings_dir;
  std::unique_ptr<window_> owner;
  zaz_class_ engine;
  std::unique_ptr<missing_texts_recorder> texts;
};
