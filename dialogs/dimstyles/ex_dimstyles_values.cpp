// The pages bound to the active style: loading, the write-back of what the user changed (a
// refused number keeps its typed text and gets a message), the accuracy lists, the separator
// reset, the dependent groups, the style list and the preview.
#include <algorithm>

#include "dialogs/dimstyles/dimstyle_delete_ask.h"
#include "dialogs/dimstyles/dimstyle_preview.h"
#include "dialogs/dimstyles/ex_dimstyles.h"
#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"
#include "platform/services/dialogs.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "shell/shell_text.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/skin_palette.h"

namespace {

bool valid_style_(const zaz_class_& e, int32_t s) { return s >= 1 && s <= e.dimstyles_count_(); }

}  // namespace

dimstyle_shown_ ex_dimstyles_::read_controls_() const {
  dimstyle_shown_ out{};
  for (size_t i = 0; i < dimstyle_bindings_.size(); ++i) {
    dimstyle_shown_rec_& s = out[i];
    if (row_combo_[i]) {
      s.has_item = row_combo_[i]->ListCount() > 0;
      s.value = row_combo_[i]->ListValue(row_combo_[i]->ListIndex());
    } else if (row_check_[i]) {
      s.checked = row_check_[i]->Checked() != 0;
    } else if (row_text_[i]) {
      s.text = row_text_[i]->text();
    }
  }
  return out;
}

void ex_dimstyles_::fill_accuracy_lists_() {
  const int32_t s = eng_.dimstyle_active_();
  if (!valid_style_(eng_, s)) return;
  auto prop = [&](int32_t n) { return int32_t(value_number_(eng_.dimstyles_prop_(int16_t(s), n))); };
  auto fill = [&](const char* name, const std::vector<std::string>& items) {
    xccombobox_* c = combo_(name);
    c->Clear();
    for (size_t a = 0; a < items.size(); ++a) c->AddItem(items[a], int32_t(a));
  };
  const auto main_items = length_accuracy_items_(eng_, prop(33));
  const auto alt_items = length_accuracy_items_(eng_, prop(43));
  fill("combo_unit_acc_", main_items);
  fill("combo_tol_acc_", main_items);
  fill("combo_unit2_acc_", alt_items);
  fill("combo_tol2_acc_", alt_items);
  fill("combo_unit_ang_acc_", angle_accuracy_items_(prop(38)));
}

void ex_dimstyles_::set_groups_() {
  const bool alt = check_("chk_unit2_on_")->Checked() != 0, tol = check_("chk_tol_on_")->Checked() != 0;
  for (const char* n : {"combo_unit2_type_", "combo_unit2_acc_"}) combo_(n)->Enabled(to_flag_(alt));
  for (const char* n : {"text_unit2_ex1_", "text_unit2_ex2_", "text_unit2_scale_"}) text_(n)->Enabled(to_flag_(alt));
  check_("chk_tol_b2_")->Enabled(to_flag_(tol));
  for (const char* n : {"text_tol_up_", "text_tol_down_"}) text_(n)->Enabled(to_flag_(tol));
  for (const char* n : {"combo_tol_acc_", "combo_tol2_acc_"}) combo_(n)->Enabled(to_flag_(tol));
  auto grey = [&](const char* name, bool on) {
    auto it = label_by_name_.find(name);
    if (it != label_by_name_.end()) it->second->set_fore_colour_(uint32_t(enabled_text_color_(to_flag_(on))));
  };
  for (const char* n : {"label_unit2_type_", "label_unit2_acc_", "label_unit2_ex_", "label_unit2_scale_"}) grey(n, alt);
  for (const char* n : {"label_tol_up_down_", "label_tol_up_", "label_tol_down_", "label_tol_acc_", "label_tol2_acc_"})
    grey(n, tol);
}

void ex_dimstyles_::load_style_values_() {
  const int32_t s = eng_.dimstyle_active_();
  if (valid_style_(eng_, s)) {
    fill_accuracy_lists_();
    const dimstyle_shown_ v = dimstyle_show_(eng_, s);
    for (size_t i = 0; i < dimstyle_bindings_.size(); ++i) {
      if (row_combo_[i])
        row_combo_[i]->ListIndex(row_combo_[i]->FindIdByValue(v[i].value));
      else if (row_check_[i])
        row_check_[i]->Checked(to_flag_(v[i].checked));
      else if (row_text_[i])
        row_text_[i]->text(v[i].text);
    }
  }
  set_groups_();
  shown_ = read_controls_();
}

void ex_dimstyles_::apply_style_values_() {
  if (in_apply_ || closing_) return;
  in_apply_ = true;
  const int32_t s = eng_.dimstyle_active_();
  const dimstyle_shown_ now = read_controls_();
  std::vector<int32_t> refused;
  if (valid_style_(eng_, s)) refused = dimstyle_write_changed_(eng_, s, shown_, now);
  load_style_values_();
  // A refused box keeps what was typed; it counts as seen so that it is reported once.
  for (int32_t i : refused) {
    row_text_[size_t(i)]->text(now[size_t(i)].text);
    shown_[size_t(i)].text = now[size_t(i)].text;
  }
  if (!refused.empty()) {
    const dimstyle_binding_rec_& b = dimstyle_bindings_[size_t(refused[0])];
    double lo = 0, hi = 0;
    dimstyle_number_range_(b.prop, lo, hi);
    message_box_(lang_text_("message.valueoutofrange", lang_text_(b.caption), format_style_number_(lo),
                            format_style_number_(hi)),
                 lang_text_("window.dimstyle.title"), box_ok_ + box_icon_info_, dlg_.get());
  }
  refresh_preview_();
  in_apply_ = false;
}

void ex_dimstyles_::btn_sepsys__Click() {
  const int32_t s = eng_.dimstyle_active_();
  if (valid_style_(eng_, s)) {
    eng_.dimstyles_prop_(int16_t(s), 34, value_::of(0.0));
    load_style_values_();
  }
  refresh_preview_();
}

void ex_dimstyles_::fill_style_list_() {
  xcstyle_->Clear();
  for (int32_t i = 1; i <= eng_.dimstyles_count_(); ++i)
    xcstyle_->AddItem(trim_blanks_(eng_.dimstyles_title_(int16_t(i))), i);
  xcstyle_->text(trim_blanks_(eng_.dimstyles_title_(eng_.dimstyle_active_())));
}

void ex_dimstyles_::xcstyle__ItemClick(int32_t item) {
  const int32_t v = xcstyle_->ListValue(item);
  if (!valid_style_(eng_, v)) return;
  eng_.dimstyle_active_(int16_t(v));
  load_style_values_();
  refresh_preview_();
}

void ex_dimstyles_::xcstyleadd__Click() {
  const std::string name = trim_blanks_(input_box_(lang_text_("message.dimstyleadd"), "", "", dlg_.get()));
  if (name.empty()) return;
  eng_.dimstyle_add_(name);
  eng_.dimstyle_active_(int16_t(eng_.dimstyles_count_()));
  xcstyle_->text(name);
  fill_style_list_();
  load_style_values_();
  refresh_preview_();
}

void ex_dimstyles_::xcstylename__Click() {
  const int16_t s = eng_.dimstyle_active_();
  const std::string name =
      trim_blanks_(input_box_(lang_text_("message.dimstylename"), "", eng_.dimstyles_title_(s), dlg_.get()));
  if (name.empty()) return;
  eng_.dimstyles_title_(s, name);
  xcstyle_->text(name);
  fill_style_list_();
}

void ex_dimstyles_::xcstyledel__Click() {
  if (!ask_and_delete_dimstyle_(eng_, dlg_.get())) return;
  fill_style_list_();
  load_style_values_();
  refresh_preview_();
}

void ex_dimstyles_::refresh_preview_() {
  if (!pic_ || !preview_engine_) return;
  window_& w = *pic_;
  const int32_t W = w.client_width_(), H = w.client_height_();
  const int32_t back = blend_colors_(eng_.backcolor_(), skin_color_(20), 0.5f);
  dc_ dc(w.client_surface_());
  dc.fill_rectangle_({0, 0, W, H}, uint32_t(back));
  render_style_preview_(eng_, eng_.dimstyle_active_(), *preview_engine_, &dc, back);
  const int32_t border = skin_palette_.color_text_border;
  auto outline = [&](int32_t l, int32_t t, int32_t r, int32_t b, int32_t c) {
    dc.fill_rectangle_({l, t, r + 1, t + 1}, uint32_t(c));
    dc.fill_rectangle_({l, b, r + 1, b + 1}, uint32_t(c));
    dc.fill_rectangle_({l, t, l + 1, b + 1}, uint32_t(c));
    dc.fill_rectangle_({r, t, r + 1, b + 1}, uint32_t(c));
  };
  if (W > 3 && H > 3) {
    outline(1, 1, W - 2, H - 2, back);
    outline(0, 0, W - 1, H - 1, border);
    const int32_t corner = blend_colors_(border, skin_color_(20), 0.5f);
    for (auto [x, y] : {std::pair{0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}}) dc.set_pixel_(x, y, uint32_t(corner));
  }
  w.invalidate_();
  // The band behind the style-name caption.
  if (pic_stylename_) {
    dc_ band(pic_stylename_->client_surface_());
    draw_header_band_(band, 0, 0, pic_stylename_->client_width_(), pic_stylename_->client_height_(), true_);
    band.set_bk_mode_(bk_mode_::transparent_);
    band.set_text_colour_(uint32_t(skin_color_(0)));
    band.text_out_(0, 4, lang_text_("window.dimstyle.dsname"));
    pic_stylename_->invalidate_();
  }
}
