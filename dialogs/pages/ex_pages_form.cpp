// The page manager's window: building the controls, the set-up, the layout and the modal run.
#include <algorithm>

#include "dialogs/common/button_band.h"
#include "dialogs/pages/ex_pages.h"
#include "dialogs/layers/ex_layers.h"
#include "engine/zaz_class.h"
#include "platform/gdi/font.h"
#include "platform/services/screen.h"
#include "shell/colors.h"
#include "shell/frame_table.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "shell/ui_metrics.h"
#include "ui/skin/form_colors.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr int32_t client_w_ = 570, client_h_ = 384, list_w_ = 297;

// The seven page units: long and short text keys; the value is the position.
constexpr const char* unit_keys_[7][2] = {{"unit.mm", "unit.ex.mm"}, {"unit.cm", "unit.ex.cm"},
                                          {"unit.dm", "unit.ex.dm"}, {"unit.m", "unit.ex.m"},
                                          {"unit.km", "unit.ex.km"}, {"unit.ft", "unit.ex.ft"},
                                          {"unit.in", "unit.ex.in"}};
constexpr const char* scale_texts_[26] = {"1:1",   "1:2",    "1:4",    "1:5",     "1:10",  "1:15", "1:20",
                                          "1:30",  "1:40",   "1:50",   "1:75",    "1:100", "1:200", "1:250",
                                          "1:500", "1:1000", "1:2000", "1:5000",  "1:10000", "2:1", "4:1",
                                          "5:1",   "8:1",    "10:1",   "100:1",   "1000:1"};

}  // namespace

ex_pages_::ex_pages_(zaz_class_& engine, const dialog_host_rec_& host) : eng_(engine), host_(host) {
  build_();
  Form_Load();
  // The layer manager opens 25 pixels right of and 45 below this dialog's corner, whatever it stored.
  open_layers = [this](window_& over) {
    ex_layers_ layers(eng_, host_);
    const pixel_rect_ mine = over.window_rect_(), its = layers.form().window_rect_();
    layers.form().move_(mine.left + 25, mine.top + 45, its.right - its.left, its.bottom - its.top);
    layers.show_modal_(&over);
  };
}

ex_pages_::~ex_pages_() {
  // Controls go before the windows that host them.
  edit_.reset();
  text_title_.reset(), pwidth_.reset(), pheight_.reset(), p_cx_.reset(), p_cy_.reset();
  combo_unit_.reset(), combo_scale_.reset();
  chk_show_border_.reset(), chk_show_coord_.reset();
  get_printer_.reset(), btn_pgvh_.reset(), page_addnew_.reset(), page_delete_.reset();
  page_layers_.reset(), close_btn_.reset(), vsc_.reset();
  labels_.clear();
  if (form_) {
    detach_frame_(form_->handle_());
    form_->destroy_();
  }
}

void ex_pages_::hook_focus_(xctextbox_& box, std::function<void()> lost) {
  window_* w = box.win_();
  if (!w) return;
  auto own = w->on_focus;
  xctextbox_* b = &box;
  w->on_focus = [own, b, lost](bool got) {
    if (own) own(got);
    if (got)
      b->SelectAll();
    else if (lost)
      lost();
  };
}

void ex_pages_::build_() {
  row_h_ = ui_metrics_.list_row_h_;
  window_options_ o;
  o.title = "";
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
  attach_frame_(*form_, 0, 0);
  const pixel_rect_ in = form_->frame_insets_();
  form_->move_(0, 0, client_w_ + in.left + in.right, client_h_ + in.top + in.bottom);

  pages_ = make_picture_box_(*form_, 0, 0, list_w_, client_h_ - 40, 0xFFFFFF);
  settings_ = make_picture_box_(*form_, list_w_ + 17, 0, client_w_ - list_w_ - 17, client_h_ - 40, 0xFFFFFF);
  vsc_ = std::make_unique<xcscrollbox_>(*form_, list_w_, 0, 17, client_h_ - 40);
  edit_ = std::make_unique<xctextbox_>(*pages_, 21, 2, 100, row_h_ - 3);

  window_& s = *settings_;
  auto label = [&](const std::string& text, int32_t x, int32_t y, int32_t w) {
    control_options_ c;
    c.kind = control_kind_::label;
    c.parent = &s;
    c.caption = text;
    c.x = x, c.y = y + 4, c.width = w, c.height = 15;
    labels_.push_back(create_control_(c));
  };
  label(lang_text_("window.pages.pagetit"), 8, 8, 217);
  text_title_ = std::make_unique<xctextbox_>(s, 8, 32, 217, 22);
  label(lang_text_("window.pages.unitandscale"), 8, 64, 217);
  label(lang_text_("window.pages.unit"), 24, 88, 70);
  combo_unit_ = std::make_unique<xccombobox_>(s, 96, 88, 129, 22);
  label(lang_text_("window.pages.scale"), 24, 120, 70);
  combo_scale_ = std::make_unique<xccombobox_>(s, 96, 120, 129, 22);
  get_printer_ = std::make_unique<xcbutton_>(s, 96, 152, 105, 22);
  btn_pgvh_ = std::make_unique<xcbutton_>(s, 203, 152, 22, 22);
  label(lang_text_("window.pages.dimx"), 24, 184, 70);
  pwidth_ = std::make_unique<xctextbox_>(s, 96, 184, 57, 22);
  label("*", 168, 184, 20);
  p_cx_ = std::make_unique<xctextbox_>(s, 192, 184, 33, 22);
  label(lang_text_("window.pages.dimy"), 24, 216, 70);
  pheight_ = std::make_unique<xctextbox_>(s, 96, 216, 57, 22);
  label("*", 168, 216, 20);
  p_cy_ = std::make_unique<xctextbox_>(s, 192, 216, 33, 22);
  label(lang_text_("window.pages.show"), 8, 248, 217);
  chk_show_border_ = std::make_unique<xccheckbox_>(s, 24, 272, 201, 22);
  chk_show_coord_ = std::make_unique<xccheckbox_>(s, 24, 304, 201, 22);

  page_addnew_ = std::make_unique<xcbutton_>(*form_, 0, 0, 121, 25);
  page_delete_ = std::make_unique<xcbutton_>(*form_, 0, 0, 110, 25);
  page_layers_ = std::make_unique<xcbutton_>(*form_, 0, 0, 105, 25);
  close_btn_ = std::make_unique<xcbutton_>(*form_, 0, 0, 81, 25);

  // Events.
  pages_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::move)
      pages__MouseMove(m.x, m.y);
    else if (m.type == mouse_type_::down)
      pages__MouseDown();
    else if (m.type == mouse_type_::wheel && vsc_)
      vsc_->call_mscroll_(int16_t(m.wheel > 0 ? 1 : -1));
  };
  vsc_->Scroll = [this] {
    scroll_top_ = vsc_->scrollcurrent_();
    paint_page_list_();
  };
  vsc_->MouseScroll = [this](int16_t v) {
    vsc_->call_event_(v > 0 ? 1 : 2);
    scroll_top_ = vsc_->scrollcurrent_();
    paint_page_list_();
  };
  edit_->KeyPress = [this](int16_t key) {
    if (key == 13) edit_commit_();
  };
  hook_focus_(*edit_, [this] {
    if (edit_ && edit_->win_()) edit_->win_()->hide_();
  });
  hook_focus_(*text_title_, [this] {
    apply_page_values_();
    paint_page_list_();
  });
  text_title_->KeyPress = [this](int16_t) {
    apply_page_values_();
    paint_page_list_();
  };
  for (xctextbox_* b : {pwidth_.get(), pheight_.get(), p_cx_.get(), p_cy_.get()})
    hook_focus_(*b, [this] { apply_page_values_(); });
  combo_unit_->ItemClick = [this](int32_t) { apply_page_values_(); };
  combo_scale_->ItemClick = [this](int32_t) { apply_page_values_(); };
  chk_show_border_->Click = [this] { apply_page_values_(); };
  chk_show_coord_->Click = [this] { apply_page_values_(); };
  btn_pgvh_->Click = [this] { btn_pgvh__Click(); };
  get_printer_->Click = [this] { get_printer__Click(); };
  page_addnew_->Click = [this] { page_addnew__Click(); };
  page_delete_->Click = [this] { page_delete__Click(); };
  page_layers_->Click = [this] { page_layers__Click(); };
  close_btn_->Click = [this] { close_(); };
}

void ex_pages_::Form_Load() {
  apply_form_colors_(*form_, skin_color_(20), skin_color_(21), skin_color_(22), {settings_.get()});
  settings_->set_background_(uint32_t(skin_color_(20)));
  settings_->client_surface_().fill_colour_(uint32_t(skin_color_(20)));
  settings_->invalidate_();
  const pixel_point_ at = dialog_position_("expages", host_.owner);
  const pixel_rect_ r = form_->window_rect_();
  form_->move_(at.x, at.y, r.right - r.left, r.bottom - r.top);

  close_btn_->Caption(lang_text_("common.close"));
  page_addnew_->Caption(lang_text_("window.pages.addnew"));
  page_delete_->Caption(lang_text_("window.pages.delete"));
  page_layers_->Caption(lang_text_("window.pages.layers"));
  form_->set_title_(lang_text_("window.pages.title"));
  get_printer_->Caption(lang_text_("window.pages.getprinter"));
  btn_pgvh_->Caption("");
  const std::string icons = icon_folder_();
  btn_pgvh_->seticon_(icons, "pgvh_.ico");
  page_addnew_->seticon_(icons, "zaz.pag.05.0.ico");
  page_delete_->seticon_(icons, "zaz.pag.06.0.ico");
  page_layers_->seticon_(icons, "zaz.lrs.07.0.ico");
  chk_show_border_->Caption(lang_text_("window.pages.show.border"));
  chk_show_coord_->Caption(lang_text_("window.pages.show.coord"));

  combo_unit_->Clear();
  for (int32_t i = 0; i < 7; ++i)
    combo_unit_->AddItem(lang_text_(unit_keys_[i][0]), i, false_, -1, lang_text_(unit_keys_[i][1]));
  combo_scale_->Clear();
  for (int32_t i = 0; i < 26; ++i) combo_scale_->AddItem(scale_texts_[i], i);

  pages_->set_background_(uint32_t(skin_palette_.color_popup_menu));
  if (edit_->win_()) edit_->win_()->hide_();
  mouse_x_ = mouse_y_ = -1;
  paint_page_list_();
  load_page_values_();
}

void ex_pages_::Form_Resize() {
  if (!pages_ || !vsc_ || !settings_ || !close_btn_) return;
  pages_->move_(0, 0, list_w_, pages_->client_height_());
  layout_dialog_client_(form_->handle_(), pages_->handle_(), 0, true_, true_);
  layout_button_band_(*form_, *close_btn_, {page_addnew_.get(), page_delete_.get(), page_layers_.get()});
  const int32_t list_h = std::max(0, pages_->client_height_());
  if (vsc_->win_()) vsc_->win_()->move_(list_w_, 0, 17, list_h);
  const int32_t left = list_w_ + 17;
  settings_->move_(left, 0, std::max(0, form_->client_width_() - left), list_h);
  paint_page_list_();
}

void ex_pages_::close_() {
  if (closing_ || !form_) return;
  closing_ = true;
  if (edit_ && edit_->win_()) edit_->win_()->hide_();
  form_->hide_();
}

void ex_pages_::show_modal_(std::function<void()> queued) {
  closing_ = false;
  Form_Resize();
  run_dialog_modal_(*form_, host_.owner, std::move(queued));
}

void show_ex_pages_(zaz_class_& engine, const dialog_host_rec_& host, std::function<void()> queued) {
  ex_pages_ dlg(engine, host);
  dlg.show_modal_(std::move(queued));
}
