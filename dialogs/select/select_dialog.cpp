#include "dialogs/select/select_dialog.h"

#include "dialogs/text/dialog_window.h"
#include "engine/zaz_class.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "shell/translate_form.h"
#include "shell/ui_metrics.h"

namespace {

constexpr const char* label_keys[select_criteria_] = {"window.selection.dcolor", "window.selection.fcolor",
                                                       "window.selection.lstyle", "window.selection.lwidth",
                                                       "window.selection.layer", "window.selection.type"};
constexpr int32_t list_width = 275;
constexpr int32_t scroll_width = 17;

}  // namespace

ex_select_::ex_select_(zaz_class_& engine, window_* owner, std::function<void()> ref_view,
                       const select_icons_rec_& icons)
    : engine_(engine), owner_(owner), ref_view_(std::move(ref_view)), icons_(icons) {
  dlg_ = make_dialog_window_(owner, 421, 258);
  form_ = make_picture_box_(*dlg_, 0, 0, 421, 218, uint32_t(skin_color_(20)));
  for (int32_t i = 0; i < select_criteria_; ++i) {
    chk_[size_t(i)] = std::make_unique<xccheckbox_>(*form_, 8, 8 + 32 * i, 17, 17);
    label_[size_t(i)] = create_control_({control_kind_::label, form_.get(), label_keys[i], 32, 8 + 32 * i, 120, 13});
  }
  dlg_->set_title_("window.selection.title");
  translate_form_(*dlg_);
  pic_ = make_picture_box_(*form_, 0, 0, list_width, 218, 0xFFFFFF);
  vsc_ = std::make_unique<xcscrollbox_>(*form_, 0, 0, scroll_width, 218);
  btn_new_ = std::make_unique<xcbutton_>(*dlg_, 0, 0, 113, 25);
  btn_add_ = std::make_unique<xcbutton_>(*dlg_, 0, 0, 57, 25);
  btn_del_ = std::make_unique<xcbutton_>(*dlg_, 0, 0, 57, 25);
  btn_close_ = std::make_unique<xcbutton_>(*dlg_, 0, 0, 81, 25);

  for (int32_t i = 0; i < select_criteria_; ++i) {
    const int32_t code = i + 1;
    chk_[size_t(i)]->Caption("");
    chk_[size_t(i)]->Click = [this, code] { criterion_check_click_(code); };
    label_[size_t(i)]->on_click = [this, code] { criterion_label_click_(code); };
    label_[size_t(i)]->on_mouse = [this, code](const mouse_event_& m) {
      if (m.type == mouse_type_::move) underline_label_(code);
    };
  }
  form_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::move) underline_label_(0);
  };
  pic_->on_mouse = [this](const mouse_event_& m) { pic_mouse_(m); };
  vsc_->Scroll = [this] {
    scroll_pos_ = vsc_->scrollcurrent_();
    refresh_values_(false, false);
  };
  btn_new_->Click = [this] { selection_click_(0); };
  btn_add_->Click = [this] { selection_click_(1); };
  btn_del_->Click = [this] { selection_click_(2); };
  btn_close_->Click = [this] { dlg_->hide_(); };

  dlg_->on_paint = [this] { paint_dialog_background_(*dlg_); };
  dlg_->on_resize = [this](int32_t, int32_t) { form_resize_(); };
  dlg_->on_close = [] { return true; };
  frame_index_ = finish_dialog_window_(*dlg_, 421, 258);

  // Opening.
  apply_dialog_colors_(*dlg_, {form_.get()});
  place_dialog_(*dlg_, owner_, "exselect", false);
  dlg_->set_title_(lang_text_("window.selection.title"));
  btn_close_->Caption(lang_text_("common.close"));
  btn_new_->Caption(lang_text_("window.selection.new"));
  btn_add_->Caption(lang_text_("window.selection.add"));
  btn_del_->Caption(lang_text_("window.selection.del"));
  btn_new_->seticon_(icon_folder_(), "zaz.ptr.05.0.ico");
  form_resize_();
}

ex_select_::~ex_select_() = default;

void ex_select_::form_resize_() {
  layout_dialog_client_(dlg_->handle_(), form_->handle_(), 0, true_, 0);
  layout_dialog_buttons_(dlg_->handle_(), btn_close_->hwnd(), 0, 0, 0, 1, true_);
  layout_dialog_buttons_(dlg_->handle_(), btn_new_->hwnd(), btn_add_->hwnd(), btn_del_->hwnd(), 0, 0, true_);
  const int32_t w = form_->client_width_(), h = form_->client_height_();
  vsc_->win_()->move_(w - scroll_width, 0, scroll_width, h);
  pic_->move_(w - list_width - scroll_width, 0, list_width, h);
  refresh_values_(true, false);
}

void ex_select_::criterion_check_click_(int32_t criterion) {
  cur_criterion_now_ = criterion;
  refresh_values_(true, false);
}

void ex_select_::criterion_label_click_(int32_t criterion) {
  if (criterion == cur_criterion_now_) {
    xccheckbox_& box = *chk_[size_t(criterion - 1)];
    box.Checked(box.Checked() == true_ ? false_ : true_);
  }
  cur_criterion_now_ = criterion;
  refresh_values_(true, false);
}

void ex_select_::underline_label_(int32_t criterion) {
  if (criterion == underlined_) return;
  underlined_ = criterion;
  for (int32_t i = 0; i < select_criteria_; ++i) {
    font_ f = label_[size_t(i)]->text_font_();
    f.underline = i + 1 == criterion;
    label_[size_t(i)]->set_text_font_(f);
  }
}

void ex_select_::refresh_values_(bool reload, bool click) {
  std::vector<select_value_rec_>& rows = values_now_[size_t(cur_criterion_now_ - 1)];
  if (reload) {
    hot_x_ = hot_y_ = -1;
    scroll_pos_ = 0;
    for (int32_t i = 0; i < select_criteria_; ++i) {
      font_ f = label_[size_t(i)]->text_font_();
      f.weight = i + 1 == cur_criterion_now_ ? 700 : 0;
      label_[size_t(i)]->set_text_font_(f);
    }
    rows.clear();
    for (int32_t v : parse_used_values_(engine_.get_used_attrs_(cur_criterion_now_))) rows.push_back({v, {}});
  }
  if (click && !reload) {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (row_contains_(rows[i].rect, hot_x_, hot_y_)) chosen_now_[size_t(cur_criterion_now_ - 1)] = int32_t(i + 1);
    }
  }
  paint_list_();
  if (reload) setup_scroll_();
}

void ex_select_::setup_scroll_() {
  const int32_t visible = pic_->client_height_();
  const int32_t h = ui_metrics_.list_row_h_;
  vsc_->Enabled(list_height_now_ > visible ? true_ : false_);
  vsc_->scrollmin_(0);
  const int32_t range = list_height_now_ - visible;
  vsc_->scrollmax_(range < 1 ? 0 : range);
  vsc_->scrollcurrent_(0);
  vsc_->chsmall_(h);
  vsc_->chlarge_(visible);
  vsc_->refresh_();
}

void ex_select_::pic_mouse_(const mouse_event_& m) {
  if (m.type == mouse_type_::down) {
    hot_x_ = m.x;
    hot_y_ = m.y;
    refresh_values_(false, true);
    if (chosen_now_[size_t(cur_criterion_now_ - 1)] >= 1) chk_[size_t(cur_criterion_now_ - 1)]->Checked(true_);
  } else if (m.type == mouse_type_::move) {
    hot_x_ = m.x;
    hot_y_ = m.y;
    refresh_values_(false, false);
    underline_label_(0);
  }
}

void ex_select_::selection_click_(int32_t mode) {
  dlg_->set_cursor_(cursor_shape_::wait);
  std::array<bool, select_criteria_> checked{}, has{};
  std::array<int32_t, select_criteria_> values{};
  for (size_t i = 0; i < size_t(select_criteria_); ++i) {
    checked[i] = chk_[i]->Checked() == true_;
    const int32_t row = chosen_now_[i];
    has[i] = row >= 1 && row <= int32_t(values_now_[i].size());
    if (has[i]) values[i] = values_now_[i][size_t(row - 1)].value;
  }
  const auto a = select_arguments_(checked, values, has);
  engine_.select_only_(mode, a[0], a[1], a[2], a[3], a[4], a[5]);
  if (ref_view_) ref_view_();
  dlg_->set_cursor_(cursor_shape_::arrow);
}

void ex_select_::show_modal_() { dlg_->show_modal_(owner_); }
void ex_select_::show_() { dlg_->show_(); }

void show_select_dialog_(zaz_class_& engine, window_* owner, std::function<void()> ref_view) {
  ex_select_ dialog(engine, owner, std::move(ref_view));
  dialog.show_modal_();
}
