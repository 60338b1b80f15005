// The whole program in this process: the shell's start with a private settings store and
// temporary folder, the real main window, controls, dialogs and engine, and a user's input sent
// the road it takes (mouse on controls and on the drawing view, keys, typed command text).
// Message boxes and file dialogs answer from a script; the exit is kept from ending the process.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cctype>

#include <filesystem>
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/mdi_start.h"
#include "platform/input/key_codes.h"
#include "platform/services/dialogs.h"
#include "platform/services/settings_backend.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/main_link.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "ui/controls/textbox/textbox.h"

class session_fixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    std::string tmpl = (std::filesystem::temp_directory_path() / "arvex-session-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = tmpl + "/";
    set_user_settings_folder_(dir + "user");
    close_settings_file_();
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
    set_process_end_([this] { ended = true; });
    install_main_window_link_();
  }
  void TearDown() override {
    if (running_main_window_()) quit();
    set_main_link_maker_(nullptr);
    clear_dialog_replies_();
    close_settings_file_();
    set_user_settings_folder_("");
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }

  // Starts the program as `arvex <command_line>` does, with the stored interface type.
  void start(const std::string& gui_type, const std::string& command_line = "") {
    save_setting_("kalvinor.common", "GUI", "Type", gui_type);
    save_setting_("kalvinor.common", "GUI", "WScreen", "0");
    close_settings_file_();
    ended = false;
    drop_main_link_();  // a new process would start without one
    Main(command_line);
    mdi = running_main_window_();
    ASSERT_NE(mdi, nullptr);
    settle();
  }
  // Closes the main window the way the user's close button does.
  void quit() {
    exit_program_(false_);
    mdi = nullptr;
    settle();
  }
  // Lets queued events and the view's timer run.
  void settle() {
    for (int i = 0; i < 3; ++i) do_events_();
  }

  zaz_class_& engine() { return *main_engine_; }

  // Drawing-view clicks and moves at drawing coordinates.
  pixel_point_ view_pixel(float x, float y) {
    window_& v = mdi->client();
    return zaz_class_::map_px_(engine().view_transform_(v.client_width_(), v.client_height_()), x, y);
  }
  void move_to(float x, float y) {
    const pixel_point_ p = view_pixel(x, y);
    inject_mouse_at_(mdi->client(), mouse_type_::move, p.x, p.y);
  }
  void click_at(float x, float y, int32_t shift = 0, int32_t button = button_left_) {
    const pixel_point_ p = view_pixel(x, y);
    inject_mouse_at_(mdi->client(), mouse_type_::move, p.x, p.y, 0, shift);
    inject_mouse_at_(mdi->client(), mouse_type_::down, p.x, p.y, button, shift);
    inject_mouse_at_(mdi->client(), mouse_type_::up, p.x, p.y, button, shift);
    settle();
  }
  // A key to the focused window, as the keyboard sends it.
  void key(int32_t code, int32_t shift = 0) {
    inject_key_(key_type_::down, code, shift);
    inject_key_(key_type_::up, code, shift);
    settle();
  }
  // Types a command into the command line and presses Enter.
  void command(const std::string& text) {
    window_* box = find_window_(mdi->cmd().hwnd());
    ASSERT_NE(box, nullptr);
    // The view lets its mouse capture go at the first move outside it.
    inject_mouse_at_(*box, mouse_type_::move, 4, 5);
    inject_mouse_at_(*box, mouse_type_::move, 5, 5);
    inject_mouse_at_(*box, mouse_type_::down, 5, 5, button_left_);
    inject_mouse_at_(*box, mouse_type_::up, 5, 5, button_left_);
    type_text(text);
    inject_key_(key_type_::down, key_return_, 0, '\r');
    inject_key_(key_type_::up, key_return_);
    settle();
  }
  // Typed to the focused window: each character with the key that makes it, as a keyboard does
  // (a text box takes a character only with its key).
  static void type_text(const std::string& text) {
    for (char c : text) {
      int32_t code = std::isalpha(static_cast<unsigned char>(c)) ? std::toupper(c) : c;
      if (c == '.') code = 0xBE;
      if (c == '-') code = 0xBD;
      if (c == '@') code = '2';
      const int32_t shift = c == '@' || std::isupper(static_cast<unsigned char>(c)) ? mod_shift_ : 0;
      inject_key_(key_type_::down, code, shift, uint32_t(uint8_t(c)));
      inject_key_(key_type_::up, code);
    }
  }

  std::string dir;
  MDI_* mdi = nullptr;
  bool ended = false;
};
