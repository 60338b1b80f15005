// The text and font dialog of the TEXT tool: the text to place (kept by the main window, also
// shown in the tool panel's first row), the height, width scale and rotation rows of the tool
// panel, and the drawing's stroke fonts, with conversion of an installed font into a stroke
// font ("+") and removal of one ("-"). Every edit takes effect at once; there is only Close.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/window/controls.h"
#include "platform/window/window.h"
#include "ui/controls/button/button.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/tabstrip/tabstrip.h"
#include "ui/controls/textbox/textbox.h"

class zaz_class_;

// What the dialog reaches of the main window.
struct text_dialog_host_ {
  std::function<std::string()> get_text;                         // ddraw_text_
  std::function<void(const std::string&)> set_text;              // ddraw_text_ :=
  std::function<std::string(int32_t item)> panel_text;           // tool panel item value
  std::function<void(int32_t item, const std::string&)> set_panel_text;
  std::function<void()> ref_view;                                // repaint the drawing view
  std::function<void()> ref_states;                              // refill the undo list
};

// Tool panel items the dialog mirrors.
inline constexpr int32_t text_panel_text_ = 1;
inline constexpr int32_t text_panel_height_ = 5;
inline constexpr int32_t text_panel_scale_ = 6;
inline constexpr int32_t text_panel_rotate_ = 7;

// The temporary stroke-font file name for a face: lower case, trimmed, with characters that
// would leave the folder or name a special file replaced by "_"; empty for a blank face.
std::string font_file_title_(const std::string& face);

class ex_text_ {
 public:
  ex_text_(zaz_class_& engine, window_* owner, text_dialog_host_ host);
  ~ex_text_();
  ex_text_(const ex_text_&) = delete;
  ex_text_& operator=(const ex_text_&) = delete;

  void show_text_();
  void show_font_();
  // Fills the font list from the engine and selects the active font.
  void fill_font_list_();
  // What the tool panel does before showing the dialog: list, caption, text and value boxes.
  void prepare_();
  void show_modal_();
  void show_();
  bool open_() const { return dlg_ && dlg_->visible_(); }
  window_& window_of_() { return *dlg_; }

  void true_type__Click();
  void remove__Click();
  void close_dialog_();

  std::unique_ptr<xctoolbar_> tabs_;
  std::unique_ptr<xctextbox_> text_;
  std::unique_ptr<xccombobox_> value_font_;
  std::unique_ptr<xcbutton_> true_type_, remove_, close_;
  std::unique_ptr<xctextbox_> value_height_, value_scale_, value_rotate_;
  std::unique_ptr<window_> form_, font_;

 private:
  void form_resize_();
  void paint_font_page_();
  void text_changed_();
  void value_box_(xctextbox_& box, int32_t item, int32_t slot, const char* caption_key);
  bool escape_(int16_t key_code);
  bool focus_inside_() const;

  zaz_class_& engine_;
  window_* owner_;
  text_dialog_host_ host_;
  std::unique_ptr<window_> dlg_;
  std::vector<std::unique_ptr<control_>> labels_;
  std::array<std::string, 3> last_number_;  // the last text of each value box that held a number
  ::font_ carrier_;                            // the dialog's font; the conversion reads its outlines
  int32_t frame_index_ = 0;
};

// What the tool panel's "AD_TEXTV.TEXT" (font_page false) and "AD_TEXTV.FONT" buttons do:
// opens the dialog on its page, modally over owner, and refreshes the undo list around it.
void open_text_dialog_(zaz_class_& engine, window_* owner, const text_dialog_host_& host, bool font_page);
