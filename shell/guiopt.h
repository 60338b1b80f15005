// The interface options: splash at start, interface type, skin, language and the shortcut
// scheme. The skin applies at once; type and language at the next start.
#pragma once
#include <memory>

#include "shell/dialog_form.h"

class xcbutton_;
class xccheckbox_;
class xccombobox_;

class OPT_ {
 public:
  OPT_();
  ~OPT_();
  // Fills the controls from the settings.
  void reload_();
  void save_click_();
  void show_modal_(window_* owner) { dlg_.show_modal_(owner); }

  dialog_form_& dialog() { return dlg_; }
  xccheckbox_& splash_box() { return *chks_; }
  xccombobox_& type_box() { return *gtype_; }
  xccombobox_& skin_box() { return *skin_; }
  xccombobox_& lang_box() { return *lang_; }
  xcbutton_& save_button() { return *btn_save_; }
  xcbutton_& cancel_button() { return *btn_cancel_; }

 private:
  void paint_labels_();
  dialog_form_ dlg_;
  std::unique_ptr<xccheckbox_> chks_;
  std::unique_ptr<xccombobox_> gtype_, skin_, lang_, keys_;
  std::unique_ptr<xcbutton_> btn_save_, btn_cancel_;
};

// The about window: the program's picture above an OK button.
class about_ {
 public:
  about_();
  ~about_();
  void show_modal_(window_* owner) { dlg_.show_modal_(owner); }
  dialog_form_& dialog() { return dlg_; }
  window_& pic() { return *pic_; }
  xcbutton_& ok_button() { return *btn_ok_; }

 private:
  dialog_form_ dlg_;
  std::unique_ptr<window_> pic_;
  std::unique_ptr<xcbutton_> btn_ok_;
};
