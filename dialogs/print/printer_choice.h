// The current printer the print job prints on, and the dialog that chooses it: the installed
// printers and the PDF output, with copies, orientation and paper. Confirming makes the chosen
// printer current and copies the seven settings into it; a setting the printer refuses is skipped.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/services/printer.h"
#include "shell/dialog_form.h"

class xcbutton_;
class xccombobox_;
class xctextbox_;

// The settings a printer choice hands over, with the classic device-mode meanings:
// orientation 1 portrait, 2 landscape; paper 1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5.
struct printer_settings_rec_ {
  int16_t orientation = 1;
  int16_t paper_size = 9;
  int16_t copies = 1;
  int16_t default_source = 0;
  int16_t print_quality = 0;
  int16_t color = 0;
  int16_t duplex = 0;
};

// The name under which the PDF output is listed.
inline constexpr const char* pdf_output_name_ = "PDF";

printer_& current_printer_();
// The current printer's name ("" before a choice: the system's default) and its settings as the
// last choice set them.
std::string& current_printer_name_();
printer_settings_rec_& current_printer_settings_();
// Paper size of a device-mode code in millimetres (portrait); false for an unknown code.
bool paper_size_mm_(int16_t code, double& width, double& height);

// Makes the printer whose upper-cased name equals chosen's current (the last of several; none
// keeps the current one), then copies, duplex, orientation, paper, quality, colour and bin.
// The PDF output prints into pdf_path. Returns whether the current printer changed.
bool apply_printer_choice_(const std::string& chosen, const printer_settings_rec_& s,
                           const std::vector<std::string>& installed, const std::string& pdf_path = {});

class ex_printer_ {
 public:
  ex_printer_();
  ~ex_printer_();
  // OK: copies from 1 to 999, else a message and the dialog stays; the PDF output asks for its
  // file (a cancel keeps the dialog open).
  void ok_();
  void show_modal_(window_* owner) { dlg_.show_modal_(owner); }
  bool confirmed() const { return confirmed_; }

  dialog_form_& dialog() { return dlg_; }
  xccombobox_& printers() { return *printers_; }
  xccombobox_& orientation() { return *orientation_; }
  xctextbox_& copies() { return *copies_; }
  xcbutton_& ok_button() { return *btn_ok_; }
  xcbutton_& cancel_button() { return *btn_cancel_; }

 private:
  void paint_labels_();
  dialog_form_ dlg_;
  std::vector<std::string> names_;
  std::unique_ptr<xccombobox_> printers_, orientation_;
  std::unique_ptr<xctextbox_> copies_;
  std::unique_ptr<xcbutton_> btn_ok_, btn_cancel_;
  bool confirmed_ = false;
};

// The command "printerset": the dialog modal over owner; flags are passed on unused.
void show_printer_dialog_(window_* owner, int32_t flags);
