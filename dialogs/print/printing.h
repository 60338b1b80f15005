// The print dialog (the active page or every page on the current printer) and the printed
// line-width dialog (widths of ids 1 to 10 in millimetres, each beside a bar of its thickness).
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "shell/dialog_form.h"

class xcbutton_;
class xctextbox_;
class zaz_class_;

// A width as the field shows it: the number the text is in the user's locale, else the number its
// leading part forms with "." as the decimal point, with two decimals in the locale's separator.
// has_number tells whether the text held a number at all ("" otherwise).
std::string normalise_width_(const std::string& text, bool* has_number = nullptr);

class ex_printing_ {
 public:
  explicit ex_printing_(zaz_class_& engine);
  ~ex_printing_();
  // Prints with both windows disabled meanwhile; the dialog stays open.
  void print_(bool all);
  void show_modal_(window_* owner) { dlg_.show_modal_(owner); }
  dialog_form_& dialog() { return dlg_; }
  xcbutton_& print_one() { return *print_one_; }
  xcbutton_& print_all() { return *print_all_; }
  xcbutton_& close_button() { return *btn_close_; }
  // Whether both windows were disabled while the job ran (for the tests).
  bool disabled_while_printing = false;

 private:
  zaz_class_& engine_;
  dialog_form_ dlg_;
  std::unique_ptr<xcbutton_> print_one_, print_all_, btn_setting_, btn_close_;
};

class ex_printset_ {
 public:
  explicit ex_printset_(zaz_class_& engine);
  ~ex_printset_();
  // A field left: its text normalised; a text without a number gets a message and the stored
  // width again.
  void field_left_(int32_t id);
  // Close: every field's width written back (clamped by the engine), then the window goes.
  void close_();
  void paint_bars_();
  void show_modal_(window_* owner) { dlg_.show_modal_(owner); }
  dialog_form_& dialog() { return dlg_; }
  xctextbox_& field(int32_t id) { return *fields_[size_t(id - 1)]; }
  xcbutton_& close_button() { return *btn_close_; }

 private:
  zaz_class_& engine_;
  dialog_form_ dlg_;
  std::array<std::unique_ptr<xctextbox_>, 10> fields_;
  std::unique_ptr<xcbutton_> btn_close_;
};

void show_printing_dialog_(zaz_class_& engine, window_* owner);
void show_line_widths_dialog_(zaz_class_& engine, window_* owner);
