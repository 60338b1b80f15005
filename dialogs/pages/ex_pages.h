// The page manager: the drawing's pages in a painted list on the left, the active page's
// settings on the right, add, delete and layers below. Every edit goes to the engine at once;
// only add and delete are undo steps.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/layers/dialog_common.h"
#include "platform/window/controls.h"
#include "ui/controls/button/button.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/textbox/textbox.h"

class zaz_class_;

class ex_pages_ {
 public:
  // Builds the window and runs the set-up; the dialog works on engine until it is released.
  ex_pages_(zaz_class_& engine, const dialog_host_rec_& host);
  ~ex_pages_();
  ex_pages_(const ex_pages_&) = delete;
  ex_pages_& operator=(const ex_pages_&) = delete;

  // Shows the dialog modally over the host's main window; returns when it closes.
  void show_modal_(std::function<void()> queued = {});
  // Opens the layer manager over this dialog (the layers button); tests may replace it.
  std::function<void(window_& over)> open_layers;

  window_& form() { return *form_; }
  window_& pages_list() { return *pages_; }
  void close_();

  // Dialog state, as the procedures keep it.
  int32_t scroll_top_ = 0, hot_row_ = 0, selected_page_ = 0;
  int32_t mouse_x_ = -1, mouse_y_ = -1;
  int32_t edit_rect_[4] = {0, 0, 0, 0};

  void paint_page_list_();
  void load_page_values_();
  void apply_page_values_();
  void pages__MouseMove(int32_t x, int32_t y);
  void pages__MouseDown();
  void btn_pgvh__Click();
  void get_printer__Click();
  void page_addnew__Click();
  void page_delete__Click();
  void page_layers__Click();
  void Form_Resize();

  // Controls.
  std::unique_ptr<window_> form_, pages_, settings_;
  std::unique_ptr<xcscrollbox_> vsc_;
  std::unique_ptr<xctextbox_> edit_, text_title_, pwidth_, pheight_, p_cx_, p_cy_;
  std::unique_ptr<xccombobox_> combo_unit_, combo_scale_;
  std::unique_ptr<xccheckbox_> chk_show_border_, chk_show_coord_;
  std::unique_ptr<xcbutton_> get_printer_, btn_pgvh_, page_addnew_, page_delete_, page_layers_, close_btn_;
  std::vector<std::unique_ptr<control_>> labels_;

 private:
  void build_();
  void Form_Load();
  void edit_commit_();
  void hook_focus_(xctextbox_& box, std::function<void()> lost);
  // The field's number within lo..hi, or a message naming the field and its range.
  bool field_number_(xctextbox_& box, const char* label_key, double lo, double hi, double& out);

  // What each settings control showed after the last load or write: an edit writes only the
  // controls that differ, so a stored value no control can show stays as it is.
  struct shown_rec_ {
    std::string title, width, height, cx, cy;
    int32_t unit = -1, scale = -1;
    flag16_ border = 0, coords = 0;
  };
  shown_rec_ shown_;
  bool in_message_ = false;

  zaz_class_& eng_;
  dialog_host_rec_ host_;
  int32_t row_h_ = 23;
  bool closing_ = false;
};

// The routine the main window registers for "pages": shows the page manager modally.
void show_ex_pages_(zaz_class_& engine, const dialog_host_rec_& host, std::function<void()> queued = {});
