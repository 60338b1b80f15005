// A ribbon without a window, fixed text widths (every character the same number of pixels)
// and counters on the hooks the window fills.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/font.h"
#include "shell/ui_metrics.h"
#include "ui/controls/ribbon/ribbon.h"

inline const ui_metrics_rec_ metrics_96 = ui_metrics_for_twips_(15.0f);
inline const ui_metrics_rec_ metrics_large = ui_metrics_for_twips_(12.0f);

// Installs fixed text widths for the test's lifetime.
class fixed_text_ {
 public:
  explicit fixed_text_(int32_t char_width) {
    before_ = set_text_measurer_(std::make_shared<fixed_text_measurer_>(char_width));
  }
  ~fixed_text_() { set_text_measurer_(before_); }

 private:
  std::shared_ptr<text_measurer_> before_;
};

// Records every event and hook call as one line of text, in order.
struct ribbon_log_ {
  std::vector<std::string> lines;
  int repaints = 0;
  int disables = 0, enables = 0;
  bool enabled = true;
  std::string enabled_during_events;  // "-" per event raised while disabled, "+" while enabled

  void attach(xribbon_& r) {
    r.hooks.paint_bar = [this](bool) { ++repaints; };
    r.hooks.set_enabled = [this](bool on) {
      on ? ++enables : ++disables;
      enabled = on;
    };
    auto note = [this](std::string line) {
      enabled_during_events += enabled ? "+" : "-";
      lines.push_back(std::move(line));
    };
    r.ButtonClick = [note](const std::string& k, int16_t cell) { note("button " + k + " " + std::to_string(cell)); };
    r.TabButtonClick = [note](const std::string& k) { note("tab " + k); };
    r.QuickButtonClick = [note](const std::string& k) { note("quick " + k); };
    r.MainButtonClick = [note](int16_t b) { note("main " + std::to_string(b)); };
    r.MainMenuClick = [note](const std::string& k) { note("menu " + k); };
    r.PopupMenuClick = [note](const std::string& k, int32_t i) { note("popup " + k + " " + std::to_string(i)); };
    r.ToolbarExBtnClick = [note](const std::string& k) { note("corner " + k); };
    r.MouseScroll = [note](int16_t v) { note("scroll " + std::to_string(v)); };
  }
  std::string take() {
    std::string all;
    for (auto& l : lines) all += (all.empty() ? "" : "; ") + l;
    lines.clear();
    return all;
  }
};

class ribbon_test : public ::testing::Test {
 protected:
  explicit ribbon_test(int32_t char_width = 2) : text_(char_width) {}
  fixed_text_ text_;
};
