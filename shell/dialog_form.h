// What every dialog window of the program shares: a top-level window with the program's frame,
// a client panel form_ above a button band, the skin colours 20, 21 and 22, the striped
// decoration, a position read from the settings store and a modal run.
#pragma once
#include "platform/gdi/dc.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/types.h"
#include "platform/window/window.h"

struct dialog_layout_rec_ {
  flag16_ below_top = 0;   // the panel starts 25 pixels lower (under a tab strip)
  flag16_ short_band = -1; // a 40-pixel band instead of 50
  flag16_ keep_width = 0;
  uint8_t align = 1;       // buttons from the right
};

class dialog_form_ {
 public:
  // A hidden dialog of client_width x client_height pixels, framed, with its panel form_.
  dialog_form_(const std::string& title_key, int32_t client_width, int32_t client_height);
  ~dialog_form_();
  dialog_form_(const dialog_form_&) = delete;
  dialog_form_& operator=(const dialog_form_&) = delete;

  window_& win() { return *win_; }
  window_& form() { return *form_; }
  bool exists_() const { return win_ && win_->exists_(); }

  // The buttons laid out in the band on every resize, left to right (up to four).
  void set_buttons_(std::vector<window_handle_> buttons, const dialog_layout_rec_& layout);
  // Runs after the common layout on every resize.
  std::function<void()> on_layout;
  // Runs before the window goes for whatever reason (a button, the frame's close box).
  std::function<void()> on_unload;

  // Skin colours 20, 21, 22 on the window and its panels.
  void apply_colors_(const std::vector<window_*>& more_panels = {});
  // Moves to the stored left and top (twips) in "kalvinor.zaz", section; a value that is missing
  // or not a number gives the main window's corner + (150, 165) pixels.
  void place_from_settings_(const std::string& section);
  void save_position_(const std::string& section);
  void relayout_();

  // Shows the dialog modal over owner and returns once it is unloaded.
  void show_modal_(window_* owner);
  // Unloads: on_unload, then the window goes (ending a modal run).
  void unload_();

 private:
  std::unique_ptr<window_> win_;
  std::unique_ptr<window_> form_;
  std::vector<window_handle_> buttons_;
  dialog_layout_rec_ layout_;
  bool unloading_ = false;
};

// The default position of a dialog: 150 and 165 pixels right of and below the main window's
// corner (the screen's corner without a main window).
pixel_point_ dialog_default_position_();
// Clears a form's client area to the dialog colour and readies dc for labels on it: transparent
// background, the dialog's text colour, the interface face at 13 pixels.
void begin_form_labels_(dc_& dc, window_& form);
// A stored twips value in pixels, or fallback when it is missing or not a number.
int32_t stored_pixels_(const std::string& section, const std::string& key, int32_t fallback);
