// The hatch palette: the built-in patterns 0 to 27 as swatches, four rows of seven, the current
// one framed; a press on a swatch makes it the pattern new hatches get. Pattern 28 is not offered.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "platform/gdi/pixel_types.h"
#include "shell/dialog_form.h"
#include "ui/controls/button/button.h"

class zaz_class_;

inline constexpr int32_t hatch_swatches_ = 28;

class ex_hatchpal_ {
 public:
  explicit ex_hatchpal_(zaz_class_& engine);
  ~ex_hatchpal_();

  // Paints every swatch and fills the hit rectangles.
  void paint_palette_();
  // A press on the palette at pic_ pixels: the swatch under it becomes current, then a repaint.
  void pick_(int32_t x, int32_t y);
  void show_modal_(window_* owner) { dlg_.show_modal_(owner); }

  dialog_form_& dialog() { return dlg_; }
  window_& pic() { return *pic_; }
  xcbutton_& close_button() { return *btn_close_; }
  // Hit rectangles, both ends included; the highest index filled (0 before the first paint).
  std::array<pixel_rect_, hatch_swatches_> swatch_rects_{};
  int32_t swatch_last_ = 0;

 private:
  zaz_class_& engine_;
  dialog_form_ dlg_;
  std::unique_ptr<window_> pic_;
  std::unique_ptr<xcbutton_> btn_close_;
};

// The command's road: the palette on the main engine, modal over the main window.
void show_hatch_palette_(zaz_class_& engine, window_* owner);
