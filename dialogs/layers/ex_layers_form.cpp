// The layer manager's window: controls, set-up with the four attribute popups, layout, modal run.
#include <algorithm>

#include "dialogs/common/button_band.h"
#include "dialogs/layers/ex_layers.h"
#include "engine/zaz_class.h"
#include "shell/colors.h"
#include "shell/frame_table.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "shell/shell_text.h"
#include "shell/ui_metrics.h"
#include "ui/skin/form_colors.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr int32_t client_w_ = 640, client_h_ = 283;

struct colour_item_ {
  const char* key;
  const char* text;
  int32_t colour;
};
constexpr colour_item_ colours_[] = {{"BLACK", "color.black", 0},       {"RED", "color.red", 255},
                                     {"ORANGE", "color.orange", 38655}, {"YELLOW", "color.yellow", 65535},
                                     {"GREEN", "color.green", 51200},   {"BLUE", "color.blue", 16711680},
                                     {"SEA", "color.sea", 16762880},    {"WHITE", "color.white", 16777215}};
constexpr const char* style_keys_[5] = {"style.solid", "style.dash", "style.dot", "style.dashdot", "style.dash2dot"};

}  // namespace

int32_t layer_cell_at_(int32_t x, int32_t layer) {
  // Each range runs up to its column's right edge and starts where the one before it ended, so
  // the first range holding x wins a shared edge pixel.
  const auto& w = layer_col_width_;
  if (x < w[0] + 3) return layer_cell_none_;
  const int32_t codes[7] = {layer_cell_visible_, layer_cell_editable_, layer,           layer_cell_dcolor_,
                            layer_cell_fcolor_,  layer_cell_style_,    layer_cell_width_};
  int32_t right = w[0] + 2;
  for (size_t k = 0; k < 7; ++k) {
    right += w[k + 1];
    if (x <= right) return codes[k];
  }
  return layer_cell_none_;
}

ex_layers_::ex_layers_(zaz_class_& engine, const dialog_host_rec_& host) : eng_(engine), host_(host) {
  build_();
  Form_Load();
}

ex_layers_::~ex_layers_() {
  if (xpopup_) xpopup_->hide_winex_();
  edit_.reset(), vsc_.reset(), xpopup_.reset();
  layer_addnew_.reset(), layer_delete_.reset(), close_btn_.reset();
  if (form_) {
    detach_frame_(form_->handle_());
    form_->destroy_();
  }
}

void ex_layers_::build_() {
  row_h_ = ui_metrics_.list_row_h_;
  window_options_ o;
  o.width = client_w_;
  o.height = client_h_;
  o.in_taskbar = false;
  o.parent = host_.owner;
  form_ = create_window_(o);
  form_->on_resize = [this](int32_t, int32_t) { Form_Resize(); };
  form_->on_paint = [this] { draw_dialog_decoration_(*form_, true_); };
  form_->on_close = [this] {
    close_();
    return true;
  };
  form_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::down) hide_popup_();
  };
  attach_frame_(*form_, 0, 0);
  const pixel_rect_ in = form_->frame_insets_();
  form_->move_(0, 0, client_w_ + in.left + in.right, client_h_ + in.top + in.bottom);

  layers_ = make_picture_box_(*form_, 0, 0, client_w_ - 17, client_h_ - 40, 0xFFFFFF);
  vsc_ = std::make_unique<xcscrollbox_>(*form_, client_w_ - 17, 0, 17, client_h_ - 40);
  edit_ = std::make_unique<xctextbox_>(*layers_, 49, 2, 194, row_h_ - 3);
  xpopup_ = std::make_unique<xcpopupmenu_>(*form_, host_.owner ? host_.owner->handle_() : form_->handle_());
  layer_addnew_ = std::make_unique<xcbutton_>(*form_, 0, 0, 121, 25);
  layer_delete_ = std::make_unique<xcbutton_>(*form_, 0, 0, 121, 25);
  close_btn_ = std::make_unique<xcbutton_>(*form_, 0, 0, 81, 25);

  layers_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::move)
      layers__MouseMove(m.x, m.y);
    else if (m.type == mouse_type_::down)
      layers__MouseDown(m.y);
    else if (m.type == mouse_type_::up)
      layers__MouseUp();
    else if (m.type == mouse_type_::wheel && vsc_ && vsc_->MouseScroll)
      vsc_->MouseScroll(int16_t(m.wheel > 0 ? -1 : 1));
  };
  vsc_->Scroll = [this] {
    scroll_top_ = vsc_->scrollcurrent_();
    paint_layer_table_();
  };
  vsc_->MouseScroll = [this](int16_t v) {
    vsc_->call_event_(v >= 1 ? 2 : 1);
    scroll_top_ = vsc_->scrollcurrent_();
    vsc_->refresh_();
    paint_layer_table_();
  };
  vsc_->MouseDown = [this](int16_t, int16_t, float, float) { hide_popup_(); };
  xpopup_->PopupMenuClick = [this](const std::string& key, int32_t, int32_t) { xpopup__PopupMenuClick(key); };
  edit_->KeyPress = [this](int16_t key) {
    if (key == 13) edit_commit_();
  };
  if (window_* e = edit_->win_()) {
    auto own = e->on_focus;
    e->on_focus = [this, own](bool got) {
      if (own) own(got);
      if (!got && edit_ && edit_->win_()) edit_->win_()->hide_();
    };
  }
  for (xcbutton_* b : {layer_addnew_.get(), layer_delete_.get(), close_btn_.get()}) {
    if (window_* w = b->win_()) {
      auto own = w->on_focus;
      w->on_focus = [this, own](bool got) {
        if (own) own(got);
        if (got) hide_popup_();
      };
    }
  }
  layer_addnew_->Click = [this] { layer_addnew__Click(); };
  layer_delete_->Click = [this] { layer_delete__Click(); };
  close_btn_->Click = [this] { close_(); };
}

void ex_layers_::fill_popups_() {
  xcpopupmenu_& p = *xpopup_;
  p.clear_();
  for (const char* prefix : {"DCOL.", "FCOL."}) {
    const int32_t id = prefix[0] == 'D' ? layer_cell_dcolor_ : layer_cell_fcolor_;
    if (id == layer_cell_fcolor_) {
      p.add_popupmenuitem_(id, "FCOL.NONE", lang_text_("color.none"), "", false, -host_.icon_none);
      p.add_popupmenuitem_(id, "-", "-");
    }
    p.add_popupmenuitem_(id, std::string(prefix) + "AUTO", lang_text_("color.auto"), "", false, -host_.icon_auto);
    for (const colour_item_& c : colours_)
      p.add_popupmenuitem_(id, std::string(prefix) + c.key, lang_text_(c.text), "", false, c.colour);
    p.add_popupmenuitem_(id, std::string(prefix) + "RGB", lang_text_("color.rgb"), "", false, -host_.icon_rgb);
  }
  for (int32_t s = 0; s < 5; ++s)
    p.add_popupmenuitem_(layer_cell_style_, "STL." + std::to_string(s), lang_text_(style_keys_[s]), "", false,
                         -host_.icon_style[s]);
  for (int32_t w = 1; w <= 5; ++w)
    p.add_popupmenuitem_(layer_cell_width_, "WID." + std::to_string(w), lang_text_("width." + std::to_string(w)), "",
                         false, -host_.icon_width[w - 1]);
}

void ex_layers_::Form_Load() {
  apply_form_colors_(*form_, skin_color_(20), skin_color_(21), skin_color_(22));
  const pixel_point_ at = dialog_position_("exlayers", host_.owner);
  const pixel_rect_ r = form_->window_rect_();
  form_->move_(at.x, at.y, r.right - r.left, r.bottom - r.top);
  close_btn_->Caption(lang_text_("common.close"));
  layer_addnew_->Caption(lang_text_("window.layers.addnew"));
  layer_delete_->Caption(lang_text_("window.layers.delete"));
  const int16_t page = eng_.page_active_();
  form_->set_title_(
      lang_text_("window.layers.title", trim_blanks_(eng_.page_title_(page)), std::to_string(page)));
  layers_->set_background_(uint32_t(skin_palette_.color_popup_menu));
  if (edit_->win_()) edit_->win_()->hide_();
  xpopup_->hide_winex_();
  xpopup_->control().hide_();  // the control only holds the menus
  fill_popups_();
  mouse_x_ = mouse_y_ = -1;
  paint_layer_table_();
}

void ex_layers_::Form_Resize() {
  if (!layers_ || !vsc_ || !close_btn_) return;
  layout_dialog_client_(form_->handle_(), layers_->handle_(), 0, true_, false_);
  layout_button_band_(*form_, *close_btn_, {layer_addnew_.get(), layer_delete_.get()});
  const int32_t h = std::max(0, layers_->client_height_());
  layers_->move_(0, 0, std::max(0, form_->client_width_() - 17), h);
  const std::string icons = icon_folder_();
  layer_addnew_->seticon_(icons, "zaz.lrs.05.0.ico");
  layer_delete_->seticon_(icons, "zaz.lrs.06.0.ico");
  if (vsc_->win_()) vsc_->win_()->move_(layers_->client_width_(), 0, 17, h);
  paint_layer_table_();
}

void ex_layers_::hide_popup_() {
  if (xpopup_ && xpopup_->winex_visible_()) {
    xpopup_->hide_winex_();
    mouse_pressed_ = false_;
  }
  paint_layer_table_();
}

void ex_layers_::close_() {
  if (closing_ || !form_) return;
  closing_ = true;
  if (xpopup_) xpopup_->hide_winex_();
  form_->hide_();
}

void ex_layers_::show_modal_(window_* owner, std::function<void()> queued) {
  closing_ = false;
  Form_Resize();
  run_dialog_modal_(*form_, owner ? owner : host_.owner, std::move(queued));
}

void show_ex_layers_(zaz_class_& engine, const dialog_host_rec_& host, std::function<void()> queued) {
  ex_layers_ dlg(engine, host);
  dlg.show_modal_(nullptr, std::move(queued));
}
