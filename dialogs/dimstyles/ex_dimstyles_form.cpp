// The dimension-style editor's window: the pages and their controls, the fixed lists, the tab
// strip, the style row, the layout and the modal run.
#include <algorithm>

#include "dialogs/common/button_band.h"
#include "dialogs/common/dialog_keys.h"
#include "dialogs/dimstyles/ex_dimstyles.h"
#include "engine/zaz_class.h"
#include "platform/services/screen.h"
#include "shell/colors.h"
#include "shell/frame_table.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "shell/ui_metrics.h"
#include "ui/skin/form_colors.h"

namespace {

constexpr int32_t client_w_ = 727, client_h_ = 388;

// Where each bound control stands on its page: x, y, width.
struct place_ {
  const char* name;
  int32_t x, y, w;
};
constexpr place_ places_[] = {
    {"combo_arr_1_", 160, 8, 153},      {"combo_arr_2_", 160, 32, 153},        {"combo_arr_ref_", 160, 56, 169},
    {"text_arr_size_", 160, 80, 105},   {"combo_arr_color_", 160, 104, 121},   {"combo_ext_color_", 160, 128, 121},
    {"chk_line_d1_", 160, 156, 177},    {"chk_line_d2_", 160, 180, 177},       {"chk_line_e1_", 160, 204, 177},
    {"chk_line_e2_", 160, 228, 177},    {"combo_text_font_", 160, 8, 169},     {"text_text_height_", 160, 32, 121},
    {"combo_text_color_", 160, 56, 121}, {"combo_text_bgcolor_", 160, 80, 121}, {"combo_text_pos_v_", 160, 104, 169},
    {"combo_text_pos_h_", 160, 128, 169}, {"text_text_distance_", 160, 152, 169}, {"chk_text_inside_", 160, 180, 169},
    {"chk_text_border_", 160, 204, 169}, {"combo_unit_type_", 160, 8, 169},     {"text_unit_sep_", 160, 32, 25},
    {"combo_unit_acc_", 160, 56, 121},  {"text_unit_ex1_", 160, 80, 57},       {"text_unit_ex2_", 224, 80, 57},
    {"combo_unit_ang_", 160, 104, 97},  {"combo_unit_ang_acc_", 160, 128, 121}, {"text_unit_scale_", 160, 152, 121},
    {"chk_unit2_on_", 8, 184, 273},     {"combo_unit2_type_", 160, 208, 169},  {"combo_unit2_acc_", 160, 232, 121},
    {"text_unit2_ex1_", 160, 256, 57},  {"text_unit2_ex2_", 224, 256, 57},     {"text_unit2_scale_", 160, 280, 121},
    {"text_scalesize_", 184, 8, 97},    {"chk_tol_on_", 8, 56, 273},           {"chk_tol_b2_", 8, 80, 273},
    {"combo_tol_acc_", 160, 104, 121},  {"combo_tol2_acc_", 160, 128, 121},    {"text_tol_up_", 184, 176, 97},
    {"text_tol_down_", 184, 200, 97}};

// The tab order of the value controls, page by page; the style row comes first, then these,
// then the close button and last the text background list.
constexpr const char* tab_order_[] = {
    "combo_arr_1_", "combo_arr_2_", "combo_arr_ref_", "text_arr_size_", "combo_arr_color_", "chk_line_d1_",
    "chk_line_d2_", "combo_ext_color_", "chk_line_e1_", "chk_line_e2_", "combo_text_font_", "combo_text_color_",
    "text_text_height_", "combo_text_pos_v_", "combo_text_pos_h_", "text_text_distance_", "chk_text_inside_",
    "chk_text_border_", "combo_unit_type_", "text_unit_sep_", "btn_sepsys_", "combo_unit_acc_", "text_unit_ex1_",
    "text_unit_ex2_", "combo_unit_ang_", "combo_unit_ang_acc_", "text_unit_scale_", "chk_unit2_on_",
    "combo_unit2_type_", "combo_unit2_acc_", "text_unit2_ex1_", "text_unit2_ex2_", "text_unit2_scale_",
    "chk_tol_on_", "chk_tol_b2_", "combo_tol_acc_", "combo_tol2_acc_", "text_tol_up_", "text_scalesize_",
    "text_tol_down_"};

const place_* place_of_(const std::string& name) {
  for (const place_& p : places_)
    if (name == p.name) return &p;
  return nullptr;
}

// The caption's name: the control's name with its kind prefix replaced by "label_".
std::string label_name_(const std::string& control) {
  const size_t us = control.find('_');
  return "label_" + control.substr(us + 1);
}

constexpr const char* tab_keys_[4] = {"ARR", "TXT", "UNI", "TOL"};
constexpr const char* tab_texts_[4] = {"adraw.dimstyle.prop.arr", "adraw.dimstyle.prop.txt",
                                       "adraw.dimstyle.prop.uni", "adraw.dimstyle.prop.oth"};

struct colour_item_ {
  const char* key;
  int32_t value;
  int32_t dialog_host_rec_::*icon;
};
const colour_item_ line_colours_[12] = {
    {"color.bylayer", -4, &dialog_host_rec_::icon_bylayer}, {"color.byblock", -3, &dialog_host_rec_::icon_byblock},
    {"color.auto", -1, &dialog_host_rec_::icon_auto},       {"color.black", 0, nullptr},
    {"color.red", 255, nullptr},                           {"color.orange", 38655, nullptr},
    {"color.yellow", 65535, nullptr},                      {"color.green", 51200, nullptr},
    {"color.blue", 16711680, nullptr},                     {"color.sea", 16762880, nullptr},
    {"color.white", 16777215, nullptr},                    {"color.rgb", -5, &dialog_host_rec_::icon_rgb}};

}  // namespace

ex_dimstyles_::ex_dimstyles_(zaz_class_& engine, const dialog_host_rec_& host) : eng_(engine), host_(host) {
  preview_engine_ = std::make_unique<zaz_class_>();
  build_();
  Form_Load();
}

ex_dimstyles_::~ex_dimstyles_() {
  owned_.clear();
  tabs_.reset(), xcstyle_.reset(), xcstylename_.reset(), xcstyleadd_.reset(), xcstyledel_.reset();
  btn_sepsys_.reset(), close_btn_.reset();
  labels_.clear();
  if (dlg_) {
    detach_frame_(dlg_->handle_());
    dlg_->destroy_();
  }
  preview_engine_.reset();  // lives exactly as long as the dialog
}

xccombobox_* ex_dimstyles_::combo_(const std::string& name) const {
  for (size_t i = 0; i < dimstyle_bindings_.size(); ++i)
    if (name == dimstyle_bindings_[i].control) return row_combo_[i];
  return nullptr;
}
xctextbox_* ex_dimstyles_::text_(const std::string& name) const {
  for (size_t i = 0; i < dimstyle_bindings_.size(); ++i)
    if (name == dimstyle_bindings_[i].control) return row_text_[i];
  return nullptr;
}
xccheckbox_* ex_dimstyles_::check_(const std::string& name) const {
  for (size_t i = 0; i < dimstyle_bindings_.size(); ++i)
    if (name == dimstyle_bindings_[i].control) return row_check_[i];
  return nullptr;
}

void ex_dimstyles_::build_() {
  window_options_ o;
  o.width = client_w_;
  o.height = client_h_;
  o.in_taskbar = false;
  o.parent = host_.owner;
  dlg_ = create_window_(o);
  dlg_->on_resize = [this](int32_t, int32_t) { Form_Resize(); };
  dlg_->on_paint = [this] { draw_dialog_decoration_(*dlg_, true_); };
  dlg_->on_close = [this] {
    close_();
    return true;
  };
  attach_frame_(*dlg_, 0, 0);
  const pixel_rect_ in = dlg_->frame_insets_();
  dlg_->move_(0, 0, client_w_ + in.left + in.right, client_h_ + in.top + in.bottom);
  form_ = make_picture_box_(*dlg_, 0, 25, client_w_, client_h_ - 65, uint32_t(skin_color_(20)));
  for (const char* key : tab_keys_)
    pages_[key] = make_picture_box_(*form_, 8, 8, 350, 310, uint32_t(skin_color_(20)));
  pic_ = make_picture_box_(*form_, 370, 8, 350, 310, 0xFFFFFF);
  pic_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::up) refresh_preview_();
  };
  tabs_ = std::make_unique<xctoolbar_>(*dlg_, 0, 0, 360, 25);
  pic_stylename_ = make_picture_box_(*dlg_, 370, 1, 100, 22, uint32_t(skin_color_(7)));
  xcstyle_ = std::make_unique<xccombobox_>(*dlg_, 410, 1, 241, 22);
  xcstylename_ = std::make_unique<xcbutton_>(*dlg_, 651, 1, 23, 22);
  xcstyleadd_ = std::make_unique<xcbutton_>(*dlg_, 674, 1, 23, 22);
  xcstyledel_ = std::make_unique<xcbutton_>(*dlg_, 697, 1, 23, 22);
  close_btn_ = std::make_unique<xcbutton_>(*dlg_, 0, 0, 81, 25);
  build_pages_();

  tabs_->TabClick = [this](const std::string& key) { tabs__TabClick(key); };
  xcstyle_->ItemClick = [this](int32_t item) { xcstyle__ItemClick(item); };
  xcstyleadd_->Click = [this] { xcstyleadd__Click(); };
  xcstylename_->Click = [this] { xcstylename__Click(); };
  xcstyledel_->Click = [this] { xcstyledel__Click(); };
  btn_sepsys_->Click = [this] { btn_sepsys__Click(); };
  close_btn_->Click = [this] { close_(); };
  install_keys_();
}

xc_control_* ex_dimstyles_::value_control_(const std::string& name) const {
  if (name == "btn_sepsys_") return btn_sepsys_.get();
  if (xccombobox_* c = combo_(name)) return c;
  if (xctextbox_* t = text_(name)) return t;
  return check_(name);
}

void ex_dimstyles_::install_keys_() {
  dialog_keys_rec_ keys;
  keys.order = {xcstyle_.get(), xcstylename_.get(), xcstyleadd_.get(), xcstyledel_.get()};
  for (const char* name : tab_order_) keys.order.push_back(value_control_(name));
  keys.order.push_back(close_btn_.get());
  keys.order.push_back(combo_("combo_text_bgcolor_"));
  // Close is both the default and the cancel button. Enter keeps what the focused box holds,
  // as leaving the box would; Esc drops an edit not yet left.
  keys.enter = [this] {
    apply_style_values_();
    close_();
  };
  keys.escape = [this] { close_(); };
  install_dialog_keys_(*dlg_, std::move(keys));
}

void ex_dimstyles_::build_pages_() {
  auto label = [&](window_& page, const std::string& name, const char* key, int32_t x, int32_t y, int32_t w) {
    control_options_ c;
    c.kind = control_kind_::label;
    c.parent = &page;
    c.caption = lang_text_(key);
    c.x = x, c.y = y + 4, c.width = w, c.height = 13;
    labels_.push_back(create_control_(c));
    label_by_name_[name] = labels_.back().get();
  };
  for (size_t i = 0; i < dimstyle_bindings_.size(); ++i) {
    const dimstyle_binding_rec_& b = dimstyle_bindings_[i];
    const place_* p = place_of_(b.control);
    if (!p) continue;
    window_& page = *pages_[b.page];
    const std::string name = b.control;
    if (b.conv == dim_conv_::check) {
      auto c = std::make_unique<xccheckbox_>(page, p->x, p->y, p->w, 22);
      c->Caption(lang_text_(b.caption));
      c->Click = [this] { apply_style_values_(); };
      row_check_[i] = c.get();
      owned_.push_back(std::move(c));
      continue;
    }
    // Captions stand at the left edge; the two tolerance rows put theirs at 120.
    const bool tol_row = name == "text_tol_up_" || name == "text_tol_down_";
    if (name.find("ex2") == std::string::npos)
      label(page, label_name_(name.find("ex1") != std::string::npos ? name.substr(0, name.size() - 2) + "_" : name),
            b.caption, tol_row ? 120 : 8, p->y, tol_row ? 60 : 150);
    if (b.conv == dim_conv_::list) {
      auto c = std::make_unique<xccombobox_>(page, p->x, p->y, p->w, 22);
      c->ItemClick = [this](int32_t) { apply_style_values_(); };
      row_combo_[i] = c.get();
      owned_.push_back(std::move(c));
    } else {
      auto t = std::make_unique<xctextbox_>(page, p->x, p->y, p->w, 22);
      xctextbox_* box = t.get();
      if (window_* w = box->win_()) {
        auto own = w->on_focus;
        w->on_focus = [this, own, box](bool got) {
          if (own) own(got);
          if (got)
            box->SelectAll();
          else
            apply_style_values_();
        };
      }
      row_text_[i] = box;
      owned_.push_back(std::move(t));
    }
  }
  label(*pages_["TOL"], "label_tol_up_down_", "adraw.dimstyle.tol.updown", 8, 152, 300);
  // A press on a caption takes the focus from the box being edited, which writes its value.
  for (auto& [name, lbl] : label_by_name_) {
    if (name == "label_text_bgcolor_" || name == "label_tol_acc_" || name == "label_tol2_acc_") continue;
    lbl->on_mouse = [this](const mouse_event_& m) {
      if (m.type == mouse_type_::down && dlg_) dlg_->set_focus_();
    };
  }
  btn_sepsys_ = std::make_unique<xcbutton_>(*pages_["UNI"], 192, 32, 90, 22);
}

void ex_dimstyles_::fill_fixed_lists_() {
  for (const char* n : {"combo_arr_1_", "combo_arr_2_", "combo_arr_ref_"}) {
    xccombobox_* c = combo_(n);
    c->draw_icon_(true_);
    c->Clear();
    const int32_t* icons = std::string(n) == "combo_arr_2_" ? host_.arrow_icons_b : host_.arrow_icons_a;
    for (int32_t k = 0; k < 20; ++k)
      c->AddItem(lang_text_("adraw.dimstyle.arr." + std::to_string(k)), k, false_, icons[k]);
  }
  for (const char* n : {"combo_arr_color_", "combo_ext_color_", "combo_text_color_", "combo_text_bgcolor_"}) {
    xccombobox_* c = combo_(n);
    c->Clear();
    if (std::string(n) == "combo_text_bgcolor_") c->AddItem(lang_text_("color.none"), -5, false_, -host_.icon_none);
    for (const colour_item_& it : line_colours_)
      c->AddItem(lang_text_(it.key), it.value, false_, it.icon ? -(host_.*it.icon) : it.value);
  }
  auto numbered = [&](const char* n, const std::string& key, int32_t count) {
    xccombobox_* c = combo_(n);
    c->Clear();
    for (int32_t k = 0; k < count; ++k) c->AddItem(lang_text_(key + std::to_string(k)), k);
  };
  numbered("combo_text_pos_h_", "adraw.dimstyle.text.adj.h.", 5);
  numbered("combo_text_pos_v_", "adraw.dimstyle.text.adj.v.", 4);
  numbered("combo_unit_type_", "adraw.dimstyle.unit.type.", 5);
  numbered("combo_unit2_type_", "adraw.dimstyle.unit2.type.", 5);
  numbered("combo_unit_ang_", "adraw.dimstyle.unit.ang.", 4);
}

void ex_dimstyles_::fill_font_list_() {
  xccombobox_* c = combo_("combo_text_font_");
  c->Clear();
  for (int32_t i = 1; i <= eng_.font_count_(); ++i) c->AddItem(eng_.font_name_(i), i);
}

void ex_dimstyles_::Form_Load() {
  apply_form_colors_(*dlg_, skin_color_(20), skin_color_(21), skin_color_(22));
  const pixel_point_ at = dialog_position_("exdstyle", host_.owner);
  const pixel_rect_ r = dlg_->window_rect_();
  dlg_->move_(at.x, at.y, r.right - r.left, r.bottom - r.top);
  dlg_->set_title_(lang_text_("window.dimstyle.title"));
  for (auto& [key, page] : pages_) key == "ARR" ? page->show_() : page->hide_();
  close_btn_->Caption(lang_text_("common.close"));
  tabs_->clear_mpo_();
  for (int32_t k = 0; k < 4; ++k) tabs_->add_(tab_keys_[k], lang_text_(tab_texts_[k]));
  btn_sepsys_->Caption(lang_text_("adraw.dimstyle.unit.sep.sys"));
  fill_fixed_lists_();
  fill_accuracy_lists_();
  fill_style_list_();
  tabs_->tabsstyle_(-1);
  tabs_->activetab_("ARR");
  fill_font_list_();
  load_style_values_();
  refresh_preview_();
}

void ex_dimstyles_::tabs__TabClick(const std::string& key) {
  for (auto& [k, page] : pages_) page->hide_();
  auto it = pages_.find(key);
  if (it == pages_.end()) return;
  tabs_->activetab_(key);
  it->second->show_();
}

void ex_dimstyles_::Form_Resize() {
  if (!form_ || !close_btn_) return;
  const double sx = 15.0 / std::max(1, twips_per_pixel_x_()), sy = 15.0 / std::max(1, twips_per_pixel_y_());
  auto X = [&](int32_t v) { return cint32_(v * sx); };
  auto Y = [&](int32_t v) { return cint32_(v * sy); };
  layout_dialog_client_(dlg_->handle_(), form_->handle_(), true_, true_, false_);
  layout_button_band_(*dlg_, *close_btn_);
  for (auto& [k, page] : pages_) page->move_(X(8), Y(8), X(350), Y(310));
  pic_->move_(X(370), Y(8), X(350), Y(310));
  if (tabs_->win_()) tabs_->win_()->move_(0, 0, X(360), 25);
  pic_stylename_->move_(X(370), 1, X(100), 22);
  if (xcstyle_->win_()) xcstyle_->win_()->move_(X(410), 1, X(241), 22);
  if (xcstylename_->win_()) xcstylename_->win_()->move_(X(651), 1, 23, 22);
  if (xcstyleadd_->win_()) xcstyleadd_->win_()->move_(X(674), 1, 23, 22);
  if (xcstyledel_->win_()) xcstyledel_->win_()->move_(X(697), 1, 23, 22);
  for (xc_control_* c : {static_cast<xc_control_*>(xcstyle_.get()), static_cast<xc_control_*>(xcstylename_.get()),
                         static_cast<xc_control_*>(xcstyleadd_.get()), static_cast<xc_control_*>(xcstyledel_.get())})
    if (c->win_()) c->win_()->raise_();
  xcstylename_->Caption("...");
  xcstyleadd_->Caption("");
  xcstyledel_->Caption("");
  const std::string icons = icon_folder_();
  xcstyleadd_->seticon_(icons, "zaz.dst.05.0.ico");
  xcstyledel_->seticon_(icons, "zaz.dst.06.0.ico");
  if (xcstyle_->win_() && dlg_->visible_()) xcstyle_->win_()->set_focus_();
  refresh_preview_();
}

void ex_dimstyles_::close_() {
  if (closing_ || !dlg_) return;
  closing_ = true;
  dlg_->hide_();
}

void ex_dimstyles_::show_modal_(std::function<void()> queued) {
  closing_ = false;
  Form_Resize();
  run_dialog_modal_(*dlg_, host_.owner, std::move(queued));
}

void show_ex_dimstyles_(zaz_class_& engine, const dialog_host_rec_& host, std::function<void()> queued) {
  ex_dimstyles_ dlg(engine, host);
  dlg.show_modal_(std::move(queued));
}
