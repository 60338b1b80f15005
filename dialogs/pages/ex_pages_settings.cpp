// The active page's settings: loading them into the panel, writing back the controls the user
// changed (a typed number out of range is refused with a message and the page keeps its value),
// orientation and printer size, add, delete and the layer manager.
#include <cmath>

#include "dialogs/pages/ex_pages.h"
#include "engine/model/records.h"
#include "engine/zaz_class.h"
#include "platform/services/dialogs.h"
#include "platform/services/printer.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "shell/language.h"
#include "shell/shell_text.h"

namespace {

constexpr double size_min_ = 0.01, size_max_ = 1000000;  // millimetres of a sheet
constexpr double sheets_min_ = 1, sheets_max_ = 999;

}  // namespace

void ex_pages_::load_page_values_() {
  const int16_t p = eng_.page_active_();
  text_title_->text(eng_.page_title_(p));
  combo_scale_->ListIndex(combo_scale_->FindIdByValue(eng_.page_scale_(p)));
  combo_unit_->ListIndex(combo_unit_->FindIdByValue(eng_.page_unit_(p)));
  chk_show_border_->Checked(eng_.page_show_border_(p));
  chk_show_coord_->Checked(eng_.page_show_coords_(p));
  pwidth_->text(format_locale_(eng_.page_width_(p), 2));
  pheight_->text(format_locale_(eng_.page_height_(p), 2));
  p_cx_->text(format_locale_(eng_.page_cx_(p), 0));
  p_cy_->text(format_locale_(eng_.page_cy_(p), 0));
  shown_.title = text_title_->text();
  shown_.scale = combo_scale_->ListIndex();
  shown_.unit = combo_unit_->ListIndex();
  shown_.border = chk_show_border_->Checked();
  shown_.coords = chk_show_coord_->Checked();
  shown_.width = pwidth_->text();
  shown_.height = pheight_->text();
  shown_.cx = p_cx_->text();
  shown_.cy = p_cy_->text();
}

bool ex_pages_::field_number_(xctextbox_& box, const char* label_key, double lo, double hi, double& out) {
  double v = 0;
  bool ok = parse_locale_number_(box.text(), v);
  if (ok && hi == sheets_max_) v = round_even_(v);  // sheet counts are whole numbers
  if (ok && v >= lo && v <= hi) {
    out = v;
    return true;
  }
  if (!in_message_) {
    in_message_ = true;
    const int32_t dec = hi == sheets_max_ ? 0 : 2;
    message_box_(lang_text_("message.valueoutofrange", lang_text_(label_key), format_locale_(lo, dec),
                            format_locale_(hi, 0)),
                 lang_text_("window.pages.title"), box_ok_ + box_icon_info_, form_.get());
    in_message_ = false;
  }
  return false;
}

void ex_pages_::apply_page_values_() {
  const int16_t p = eng_.page_active_();
  if (text_title_->text() != shown_.title) {
    shown_.title = text_title_->text();
    eng_.page_title_(p, shown_.title);
  }
  if (combo_scale_->ListIndex() != shown_.scale) {
    shown_.scale = combo_scale_->ListIndex();
    eng_.page_scale_(p, combo_scale_->ListValue(shown_.scale));
  }
  if (combo_unit_->ListIndex() != shown_.unit) {
    shown_.unit = combo_unit_->ListIndex();
    eng_.page_unit_(p, combo_unit_->ListValue(shown_.unit));
  }
  if (chk_show_border_->Checked() != shown_.border) {
    shown_.border = chk_show_border_->Checked();
    eng_.page_show_border_(p, shown_.border);
  }
  if (chk_show_coord_->Checked() != shown_.coords) {
    shown_.coords = chk_show_coord_->Checked();
    eng_.page_show_coords_(p, shown_.coords);
  }
  // A refused number keeps its typed text but is marked as seen, so it is reported once.
  double v = 0;
  if (pwidth_->text() != shown_.width) {
    shown_.width = pwidth_->text();
    if (field_number_(*pwidth_, "window.pages.dimx", size_min_, size_max_, v)) eng_.page_width_(p, f32_(v));
  }
  if (pheight_->text() != shown_.height) {
    shown_.height = pheight_->text();
    if (field_number_(*pheight_, "window.pages.dimy", size_min_, size_max_, v)) eng_.page_height_(p, f32_(v));
  }
  if (p_cx_->text() != shown_.cx) {
    shown_.cx = p_cx_->text();
    if (field_number_(*p_cx_, "window.pages.dimx", sheets_min_, sheets_max_, v)) eng_.page_cx_(p, int32_t(v));
  }
  if (p_cy_->text() != shown_.cy) {
    shown_.cy = p_cy_->text();
    if (field_number_(*p_cy_, "window.pages.dimy", sheets_min_, sheets_max_, v)) eng_.page_cy_(p, int32_t(v));
  }
  if (host_.ref) host_.ref(0, 0);
}

void ex_pages_::btn_pgvh__Click() {
  double w = 0, h = 0;
  if (!parse_locale_number_(pwidth_->text(), w)) w = 0;
  if (!parse_locale_number_(pheight_->text(), h)) h = 0;
  pwidth_->text(format_locale_(h, 2));
  pheight_->text(format_locale_(w, 2));
  apply_page_values_();
}

void ex_pages_::get_printer__Click() {
  printer_ pr;
  const double w = pr.paper_width_mm_(), h = pr.paper_height_mm_();
  if (w > 0 && h > 0) {
    pwidth_->text(format_locale_(w, 2));
    pheight_->text(format_locale_(h, 2));
  }
  apply_page_values_();
}

void ex_pages_::page_addnew__Click() {
  // The drawing holds at most pages_max_ pages: refuse before any undo step begins.
  if (eng_.pages_count_() >= pages_max_) {
    message_box_(lang_text_("message.toomanypages", std::to_string(pages_max_)), lang_text_("window.pages.title"),
                 box_ok_ + box_icon_info_, form_.get());
    return;
  }
  eng_.state_begin_();
  eng_.page_add_(lang_text_("common.page.new"), 297, 210);
  eng_.layer_add_(lang_text_("common.layer.new"), true_, true_, -1, -2, 0, 0);
  eng_.state_save_(lang_text_("change.page.add"));
  selected_page_ = eng_.pages_count_();
  paint_page_list_();
  vsc_->refresh_();
  load_page_values_();
  if (host_.ref) host_.ref(0, 0);
}

void ex_pages_::page_delete__Click() {
  if (eng_.pages_count_() < 2) {
    message_box_(lang_text_("message.pageisalonecantremove"), lang_text_("window.pages.title"),
                 box_ok_ + box_icon_info_, form_.get());
    return;
  }
  int32_t page = selected_page_ >= 1 && selected_page_ <= eng_.pages_count_() ? selected_page_ : eng_.page_active_();
  const int32_t answer = message_box_(lang_text_("message.removepagequestion", eng_.page_title_(int16_t(page))),
                                      lang_text_("window.pages.title"), box_yes_no_, form_.get());
  if (answer != answer_yes_) return;
  eng_.state_begin_();
  eng_.page_delete_(int16_t(page));
  eng_.state_save_(lang_text_("change.page.del"));
  paint_page_list_();
  if (edit_->win_()) edit_->win_()->hide_();
  vsc_->refresh_();
  load_page_values_();
  if (host_.ref) host_.ref(0, 0);
  if (selected_page_ >= eng_.pages_count_()) selected_page_ = eng_.pages_count_();
}

void ex_pages_::page_layers__Click() {
  if (open_layers) open_layers(*form_);
  if (host_.ref) host_.ref(0, -1);
}
