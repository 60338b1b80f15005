#include "dialogs/text/text_dialog.h"

#include "dialogs/text/dialog_window.h"
#include "engine/zaz_class.h"
#include "platform/input/key_codes.h"
#include "platform/services/dialogs.h"
#include "shell/colors.h"
#include "shell/frame_table.h"
#include "shell/language.h"
#include "shell/translate_form.h"
#include "shell/ui_metrics.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr int32_t client_w = 262, client_h = 207;

std::string replace_all(std::string s, const std::string& from, const std::string& to) {
  for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size())) s.replace(p, from.size(), to);
  return s;
}

}  // namespace

ex_text_::ex_text_(zaz_class_& engine, window_* owner, text_dialog_host_ host)
    : engine_(engine), owner_(owner), host_(std::move(host)) {
  carrier_ = standard_control_font_();
  dlg_ = make_dialog_window_(owner, client_w, client_h);
  // Created in the keyboard focus order.
  tabs_ = std::make_unique<xctoolbar_>(*dlg_, 0, 0, client_w, 24);
  form_ = make_picture_box_(*dlg_, 0, 25, client_w, client_h - 40 - 25, uint32_t(skin_color_(20)));
  text_ = std::make_unique<xctextbox_>(*form_, 0, 0, form_->client_width_(), form_->client_height_());
  font_ = make_picture_box_(*form_, 0, 0, form_->client_width_(), form_->client_height_(),
                            uint32_t(skin_color_(20)));
  struct label_place {
    int32_t x, y, w;
    const char* key;
  };
  for (const label_place& l : {label_place{8, 8, 58, "adraw.tfont"}, label_place{8, 40, 68, "adraw.theight"},
                              label_place{8, 72, 68, "adraw.tscalex"}, label_place{8, 104, 64, "adraw.rotate"}}) {
    labels_.push_back(create_control_({control_kind_::label, font_.get(), l.key, l.x, l.y, l.w, 13}));
  }
  dlg_->set_title_("adraw.textex");
  translate_form_(*dlg_);
  value_font_ = std::make_unique<xccombobox_>(*font_, 88, 8, 105, 22);
  true_type_ = std::make_unique<xcbutton_>(*font_, 201, 8, 22, 22, "+");
  remove_ = std::make_unique<xcbutton_>(*font_, 227, 8, 22, 22, "-");
  value_height_ = std::make_unique<xctextbox_>(*font_, 88, 40, 97, 19);
  value_scale_ = std::make_unique<xctextbox_>(*font_, 88, 72, 97, 19);
  value_rotate_ = std::make_unique<xctextbox_>(*font_, 88, 104, 97, 19);
  close_ = std::make_unique<xcbutton_>(*dlg_, 0, 0, 97, 25);

  tabs_->TabClick = [this](const std::string& key) {
    const std::string k = tab_key_of_(key);
    if (k == "TEXT") show_text_();
    if (k == "FONT") show_font_();
  };
  text_->Change = [this] { text_changed_(); };
  text_->KeyDown = [this](int16_t code, int16_t) { escape_(code); };
  value_font_->ItemClick = [this](int32_t item) { engine_.font_id_(value_font_->ListValue(item)); };
  value_font_->KeyDown = [this](int16_t code, int16_t) { escape_(code); };
  value_box_(*value_height_, text_panel_height_, 0, "adraw.theight");
  value_box_(*value_scale_, text_panel_scale_, 1, "adraw.tscalex");
  value_box_(*value_rotate_, text_panel_rotate_, 2, "adraw.rotate");
  true_type_->Click = [this] { true_type__Click(); };
  remove_->Click = [this] { remove__Click(); };
  close_->Click = [this] { close_dialog_(); };
  font_->on_paint = [this] { paint_font_page_(); };

  dlg_->on_paint = [this] { paint_dialog_background_(*dlg_); };
  dlg_->on_resize = [this](int32_t, int32_t) { form_resize_(); };
  dlg_->on_close = [this] {
    close_dialog_();
    return true;
  };
  frame_index_ = finish_dialog_window_(*dlg_, client_w, client_h);

  apply_dialog_colors_(*dlg_, {form_.get(), font_.get()});
  place_dialog_(*dlg_, owner_, "extext", false);
  tabs_->tabsstyle_(true_);
  tabs_->add_("TEXT", lang_text_("adraw.text"));
  tabs_->add_("FONT", lang_text_("adraw.tfont"));
  value_font_->maxitemvis_(6);
  // The buttons sit right of the list, as high as it is.
  const pixel_rect_ f = value_font_->win_()->client_rect_();
  const pixel_point_ at = font_->screen_to_client_({f.left, f.top});
  const int32_t side = f.bottom - f.top;
  true_type_->win_()->move_(at.x + (f.right - f.left) + 8, at.y, side, side);
  remove_->win_()->move_(at.x + (f.right - f.left) + 8 + side + 4, at.y, side, side);
  tabs_->ref_();
  close_->Caption(lang_text_("common.close"));
  form_resize_();
}

ex_text_::~ex_text_() = default;

void ex_text_::value_box_(xctextbox_& box, int32_t item, int32_t slot, const char* caption_key) {
  box.Change = [this, &box, item] {
    if (host_.set_panel_text) host_.set_panel_text(item, box.text());
  };
  box.KeyDown = [this](int16_t code, int16_t) { escape_(code); };
  chain_focus_(box.win_(), [this, &box, item, slot, caption_key](bool got) {
    if (got) {
      box.SelectAll();
      return;
    }
    if (!open_() || !focus_inside_()) return;
    // The tool converts these rows when it places a text: a box left holding no number is
    // refused here and takes back its last number, and so does its panel row.
    double v = 0;
    if (parse_locale_number_(box.text(), v)) {
      last_number_[size_t(slot)] = box.text();
      return;
    }
    message_box_(lang_text_("message.invalidvalue", lang_text_(caption_key)), dlg_->title_(),
                 box_ok_ + box_icon_warning_, dlg_.get());
    box.text(last_number_[size_t(slot)]);
    if (host_.set_panel_text) host_.set_panel_text(item, last_number_[size_t(slot)]);
  });
}

bool ex_text_::focus_inside_() const {
  // Another program taking the focus is no leaving of the box; the check waits for the user's return.
  for (window_* w = focused_window_(); w; w = w->parent_()) {
    if (w == dlg_.get()) return true;
  }
  return false;
}

bool ex_text_::escape_(int16_t key_code) {
  if (key_code != key_escape_) return false;
  close_dialog_();
  return true;
}

void ex_text_::close_dialog_() {
  if (!dlg_->visible_()) return;
  // A box still holding no number gives its panel row back its last number before the dialog goes.
  const std::array<xctextbox_*, 3> boxes{value_height_.get(), value_scale_.get(), value_rotate_.get()};
  const std::array<int32_t, 3> items{text_panel_height_, text_panel_scale_, text_panel_rotate_};
  for (size_t i = 0; i < boxes.size(); ++i) {
    double v = 0;
    if (!parse_locale_number_(boxes[i]->text(), v) && host_.set_panel_text) {
      host_.set_panel_text(items[i], last_number_[i]);
    }
  }
  dlg_->hide_();
}

void ex_text_::form_resize_() {
  layout_dialog_client_(dlg_->handle_(), form_->handle_(), 0, true_, 0);
  layout_dialog_buttons_(dlg_->handle_(), close_->hwnd(), 0, 0, 0, 1, true_);
  const int32_t w = dlg_->client_width_();
  tabs_->win_()->move_(0, 0, w, 24);
  const int32_t h = form_->client_height_() - 25;
  form_->move_(0, 25, w, h > 0 ? h : 0);
  font_->move_(0, 0, form_->client_width_(), form_->client_height_());
  text_->win_()->move_(0, 0, form_->client_width_(), form_->client_height_());
  paint_font_page_();
}

void ex_text_::paint_font_page_() {
  surface_& s = font_->client_surface_();
  s.fill_colour_(uint32_t(skin_color_(20)));
  dc_ dc(s);
  const int32_t w = font_->client_width_(), h = font_->client_height_();
  const uint32_t c = uint32_t(skin_palette_.color_text_border);
  if (w > 0 && h > 0) {
    dc.fill_rectangle_({0, 0, w, 1}, c);
    dc.fill_rectangle_({0, h - 1, w, h}, c);
    dc.fill_rectangle_({0, 0, 1, h}, c);
    dc.fill_rectangle_({w - 1, 0, w, h}, c);
  }
  font_->invalidate_();
}

void ex_text_::show_text_() {
  text_->win_()->show_();
  font_->hide_();
  tabs_->activetab_("TEXT");
}

void ex_text_::show_font_() {
  text_->win_()->hide_();
  font_->show_();
  tabs_->activetab_("FONT");
}

void ex_text_::text_changed_() {
  const std::string text = replace_all(text_->text(), "\r\n", "\r");
  if (host_.set_text) host_.set_text(text);
  if (host_.set_panel_text) host_.set_panel_text(text_panel_text_, replace_all(text, "\r", " "));
}

void ex_text_::fill_font_list_() {
  value_font_->Clear();
  for (int32_t id = 1; id <= engine_.font_count_(); ++id) value_font_->AddItem(engine_.font_name_(id), id);
  value_font_->ListIndex(value_font_->FindIdByValue(engine_.font_id_()));
}

void ex_text_::prepare_() {
  fill_font_list_();
  dlg_->set_title_(lang_text_("adraw.textex"));
  if (frame_index_ > 0) repaint_frame_(frame_index_);
  text_->MultiLine(true_);
  text_->text(host_.get_text ? host_.get_text() : std::string());
  text_->SelectAll();
  const std::array<xctextbox_*, 3> boxes{value_height_.get(), value_scale_.get(), value_rotate_.get()};
  const std::array<int32_t, 3> items{text_panel_height_, text_panel_scale_, text_panel_rotate_};
  for (size_t i = 0; i < boxes.size(); ++i) {
    const std::string t = host_.panel_text ? host_.panel_text(items[i]) : std::string();
    boxes[i]->text(t);
    last_number_[i] = t;
  }
}

void ex_text_::show_modal_() { dlg_->show_modal_(owner_); }
void ex_text_::show_() { dlg_->show_(); }

void open_text_dialog_(zaz_class_& engine, window_* owner, const text_dialog_host_& host, bool font_page) {
  ex_text_ dialog(engine, owner, host);
  if (font_page) {
    dialog.show_font_();
  } else {
    dialog.show_text_();
  }
  if (host.ref_states) host.ref_states();
  dialog.prepare_();
  dialog.show_modal_();
  if (host.ref_states) host.ref_states();
}
