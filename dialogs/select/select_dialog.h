// The selection filter: selects the objects of the active page by draw colour, fill colour,
// line style, line width, layer and object type. The values each attribute takes on the page
// are listed on a painted list; the three buttons select anew, add or remove. Only the
// objects' selected flags change; there is no undo step.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "dialogs/select/select_model.h"
#include "platform/window/controls.h"
#include "platform/window/window.h"
#include "ui/controls/button/button.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/scrollbox/scrollbox.h"

class zaz_class_;

class ex_select_ {
 public:
  // ref_view repaints the main window's drawing view after a selection (may be empty).
  ex_select_(zaz_class_& engine, window_* owner, std::function<void()> ref_view = {},
             const select_icons_rec_& icons = default_select_icons_());
  ~ex_select_();
  ex_select_(const ex_select_&) = delete;
  ex_select_& operator=(const ex_select_&) = delete;

  void show_modal_();
  void show_();
  bool open_() const { return dlg_ && dlg_->visible_(); }
  window_& window_of_() { return *dlg_; }
  window_& list_() { return *pic_; }

  // The handlers, public so that a host can reach them the way the controls do.
  void selection_click_(int32_t mode);  // 0 new, 1 add, 2 remove
  void criterion_check_click_(int32_t criterion);
  void criterion_label_click_(int32_t criterion);
  void underline_label_(int32_t criterion);
  void refresh_values_(bool reload, bool click);

  int32_t cur_criterion_() const { return cur_criterion_now_; }
  const std::vector<select_value_rec_>& values_(int32_t criterion) const { return values_now_[size_t(criterion - 1)]; }
  int32_t chosen_(int32_t criterion) const { return chosen_now_[size_t(criterion - 1)]; }
  int32_t list_height_() const { return list_height_now_; }

  std::array<std::unique_ptr<xccheckbox_>, select_criteria_> chk_;
  std::array<std::unique_ptr<control_>, select_criteria_> label_;
  std::unique_ptr<xcbutton_> btn_new_, btn_add_, btn_del_, btn_close_;
  std::unique_ptr<xcscrollbox_> vsc_;

 private:
  void form_resize_();
  void paint_list_();
  void setup_scroll_();
  void pic_mouse_(const mouse_event_& m);

  zaz_class_& engine_;
  window_* owner_;
  std::function<void()> ref_view_;
  const select_icons_rec_& icons_;
  std::unique_ptr<window_> dlg_, form_, pic_;
  int32_t frame_index_ = 0;
  int32_t cur_criterion_now_ = 1;
  std::array<std::vector<select_value_rec_>, select_criteria_> values_now_;
  std::array<int32_t, select_criteria_> chosen_now_{};
  int32_t scroll_pos_ = 0;
  int32_t list_height_now_ = 0;
  int32_t hot_x_ = -1, hot_y_ = -1;
  int32_t underlined_ = 0;
};

void show_select_dialog_(zaz_class_& engine, window_* owner, std::function<void()> ref_view = {});
