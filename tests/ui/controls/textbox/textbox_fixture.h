// A text box on a shown host with the keyboard focus, fixed 7-pixel characters and the flat
// test skin; keys are typed along the user's road.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/input/key_codes.h"
#include "platform/services/clipboard.h"
#include "platform/services/dialogs.h"
#include "ui/controls/textbox/textbox.h"
#include "ui/controls/xc_fixture.h"

struct textbox_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    host->activate_();
    box = std::make_unique<xctextbox_>(*host, 10, 10, 200, 60);
    box->Change = [this] { ++changes; };
    box->KeyDown = [this](int16_t k, int16_t s) { key_downs.push_back({k, s}); };
    focus();
    clipboard_clear_();
  }
  void TearDown() override { clear_dialog_replies_(); }

  void focus() {
    for (int i = 0; i < 50 && focused_window_() != box->win_(); ++i) {
      host->activate_();
      box->win_()->set_focus_();
      do_events_();
    }
    ASSERT_EQ(focused_window_(), box->win_());
  }
  void key(int32_t code, int32_t shift = 0) {
    inject_key_(key_type_::down, code, shift);
    inject_key_(key_type_::up, code, shift);
  }
  void caret(int32_t line, int32_t col) {
    // Ctrl+Home, then down and right along the user's road.
    key(key_home_, mod_ctrl_);
    for (int i = 1; i < line; ++i) key(key_down_);
    for (int i = 0; i < col; ++i) key(key_right_);
  }
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    for (int32_t i = 1; i <= box->state_().line_count; ++i) out.push_back(box->state_().lines[size_t(i)]);
    return out;
  }

  fixed_widths_ widths{7};
  std::unique_ptr<window_> host;
  std::unique_ptr<xctextbox_> box;
  int changes = 0;
  std::vector<std::pair<int16_t, int16_t>> key_downs;
};
