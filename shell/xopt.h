// The options dialog: the drawing's background colour, grid and drawing aids (tab "T1"), the
// template new drawings start from, the interface options and the toolbar layout reset ("T2").
// It works on a copy of the values and writes them to the drawing only when saved.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "shell/dialog_form.h"

class xcbutton_;
class xccheckbox_;
class xccombobox_;
class xctextbox_;
class xctoolbar_;
class zaz_class_;

struct xopt_values_rec_ {
  int32_t backcolor = 0xFFFFFF;
  flag16_ grid_visible = 0, snap_grid = 0;
  float grid_size = 10;
  flag16_ snap_points = 0, snap_a45 = 0, snap_track = 0;
};

// At least two decimals and at most six, in the user's decimal separator ("0.00####").
std::string grid_size_text_(double size);
// The number in a grid size text (the user's separator, or "."); false unless it is a finite
// number above 0.
bool parse_grid_size_(const std::string& text, float& size);
// A background the view's grey-level tools could not be seen on: mean of the channels 120..136.
bool background_refused_(int32_t colour);

class ex_xopt_ {
 public:
  explicit ex_xopt_(zaz_class_& engine);
  ~ex_xopt_();
  void reload_();
  // Writes the working copy to the drawing and the template setting; false (with a message and
  // the old grid size shown again) when the grid size is not a positive number.
  bool save_options_();

  void save_click_();
  void cancel_click_();
  void bgcolor_click_();
  void pages_click_();
  void gui_click_();
  void reset_click_();
  void tab_click_(const std::string& key);

  void show_modal_(window_* owner) { dlg_.show_modal_(owner); }
  dialog_form_& dialog() { return dlg_; }
  const xopt_values_rec_& working() const { return work_; }
  xctextbox_& grid_size() { return *grid_size_; }
  xccombobox_& templates() { return *templates_; }
  xcbutton_& save_button() { return *btn_save_; }
  xcbutton_& bgcolor_button() { return *btn_bgcolor_; }
  window_& page1() { return *p1_; }
  window_& page2() { return *p2_; }

 private:
  void paint_page_labels_();
  zaz_class_& engine_;
  dialog_form_ dlg_;
  xopt_values_rec_ work_;
  std::unique_ptr<xctoolbar_> tabs_;
  std::unique_ptr<window_> p1_, p2_;
  std::unique_ptr<xcbutton_> btn_bgcolor_, btn_pages_, btn_layers_, btn_lines_, btn_gui_, btn_xreset_, btn_save_,
      btn_cancel_;
  std::unique_ptr<xccheckbox_> chk_grid_onoff_, chk_grid_snap_, chk_2points_, chk_track_, chk_a45_;
  std::unique_ptr<xctextbox_> grid_size_;
  std::unique_ptr<xccombobox_> templates_;
  std::string shown_grid_;  // the grid size text as last accepted
};

// The command "options": the dialog on the main drawing, modal over owner.
void show_options_dialog_(zaz_class_& engine, window_* owner);
