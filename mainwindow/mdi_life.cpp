// The main window from creation to closing: its controls, the interface it builds once, its
// placement in the settings, the frame, activation, and the save question on closing. A close
// that asks to save goes on only when the save really completed.
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "mainwindow/mdi_host.h"
#include "mainwindow/properties/mdi_prop_host.h"
#include "mainwindow/view/mdi_view_link.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "platform/services/screen.h"
#include "shell/colors.h"
#include "shell/focus_state.h"
#include "shell/frame_table.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/controls/statusbar/statusbar.h"
#include "ui/controls/textbox/textbox.h"
#include "ui/skin/form_colors.h"
#include "ui/skin/skin_file.h"
#include "ui/skin/skin_palette.h"

namespace {
constexpr const char* placement_app = "kalvinor.zaz";
constexpr const char* placement_section = "windows\\MDI";

void fill_background_(window_& w, uint32_t colour) {
  dc_ dc(w.client_surface_());
  dc.fill_rectangle_({0, 0, w.client_surface_().width_(), w.client_surface_().height_()}, colour);
}

std::unique_ptr<window_> child_of(window_& parent, int32_t w, int32_t h) {
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &parent;
  o.width = w;
  o.height = h;
  return create_window_(o);
}
}  // namespace

MDI_::MDI_(zaz_class_& engine) : eng_(engine) {
  create_controls_();
  host_ = std::make_unique<mdi_host_>(*this);
  set_shell_host_(host_.get());
  Form_Initialize();
  Form_Load();
  view_link_ = std::make_unique<mdi_view_link_>(*this);
  command_words_::register_dialogs_(*this);
}

view_input_& MDI_::view_input() { return view_link_->input(); }

MDI_::~MDI_() {
  timer_.stop_();
  view_link_.reset();
  if (shell_host_in_use_() == host_.get()) set_shell_host_(nullptr);
  eng_.dinit_(nullptr);
  if (frame_no_ > 0 && form_) detach_frame_(form_->handle_());
  if (cursor_) free_cursor_(cursor_);
  cmd_.reset();
  ribbon_.reset();
  docktb_.reset();
  panel_.reset();
}

void MDI_::create_controls_() {
  window_options_ o;
  o.title = std::string(program_title_);
  o.width = 850;
  o.height = 600;
  form_ = create_window_(o);
  client_ = child_of(*form_, 400, 300);
  panel2_ = child_of(*form_, 10, 10);
  cmdbar_ = child_of(*form_, 400, 28);
  for (int i = 1; i <= 4; ++i) dock_[i] = child_of(*form_, 0, 0);
  client_->show_();
  cmdbar_->show_();
  client_dc_ = std::make_unique<dc_>(client_->client_surface_());
  hscroll_ = std::make_unique<xcscrollbox_>(*form_, 0, 0, 100, 17);
  vscroll_ = std::make_unique<xcscrollbox_>(*form_, 0, 0, 17, 100);
  p2vsc_ = std::make_unique<xcscrollbox_>(*panel2_, 0, 0, 17, 100);
  statusbar_ = std::make_unique<xcstatusbar_>(*form_, 0, 0, 850, 22);
  control_options_ lo;
  lo.parent = cmdbar_.get();
  lo.width = 80;
  lo.height = 16;
  clabel_ = create_control_(lo);
  cmd_ = std::make_unique<xctextbox_>(*form_, 0, 0, 200, 20);
  panel_ = std::make_unique<xcpanelbox_>(*form_, 0, 0, 119, 300);
  // The side panel takes items only once it knows the main window.
  panel_->mdi_window_hwnd_ = form_->handle_();

  form_->on_resize = [this](int32_t, int32_t) { Form_Resize(); };
  form_->on_activate = [this](bool active) { active ? Form_Activate() : Form_Deactivate(); };
  form_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::down) Form_MouseDown();
  };
  form_->on_close = [this] {
    if (Form_QueryUnload() != 0) return false;
    Form_Unload();
    return true;
  };
  statusbar_->ButtonClick = [this](const std::string& k) { statusbar_ButtonClick(k); };
  statusbar_->ZoomMouseDown = [this](int32_t v) { statusbar_ZoomMouseDown(v); };
  statusbar_->ZoomScroll = [this](int32_t v) { statusbar_ZoomScroll(v); };
  statusbar_->ZoomMouseUp = [this](int32_t v) { statusbar_ZoomMouseUp(v); };
  statusbar_->ZoomPressLeft = [this](int32_t v) { statusbar_ZoomPressLeft(v); };
  statusbar_->ZoomPressRight = [this](int32_t v) { statusbar_ZoomPressRight(v); };
  hscroll_->MouseDown = [this](int16_t, int16_t, float, float) { hscroll_MouseDown(); };
  hscroll_->Scroll = [this] { hscroll_Scroll(); };
  hscroll_->MouseUp = [this](int16_t, int16_t, float, float) { hscroll_MouseUp(); };
  vscroll_->MouseDown = [this](int16_t, int16_t, float, float) { vscroll_MouseDown(); };
  vscroll_->Scroll = [this] { vscroll_Scroll(); };
  vscroll_->MouseUp = [this](int16_t, int16_t, float, float) { vscroll_MouseUp(); };
  cmd_->KeyPress = [this](int16_t k) { cmd_KeyPress(k); };
  cmd_->MouseDown = [this](int16_t, int16_t, float, float) { cmd_MouseDown(); };
  // The text box keeps its own focus handling; the main window only follows it.
  if (window_* w = cmd_->win_()) {
    auto own = w->on_focus;
    w->on_focus = [this, own](bool got) {
      if (own) own(got);
      got ? cmd_GotFocus() : cmd_LostFocus();
    };
  }
  cmdbar_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::down) cmdbar_MouseDown();
  };
  for (int i = 1; i <= 4; ++i)
    dock_[i]->on_mouse = [this](const mouse_event_& m) {
      if (m.type == mouse_type_::down) dock_MouseDown();
    };
  timer_.on_timer = [this] { timer_tick_(); };
  // The command bar is a plain surface in its background colour.
  cmdbar_->on_paint = [this] { fill_background_(*cmdbar_, uint32_t(skin_palette_.color_background_ex)); };
  // The side panel shows the property editor or the blocks list, which paint it themselves.
  create_side_panel_views_();
}

void MDI_::Form_Initialize() {
  timer_.start_(10);
  gui_type_ = build_gui_();
  build_tool_panel_();
  ref_tool_buttons_(0);
  gocmd_("");
  restore_placement_();
  if (gui_type_ >= gui_classic_) {
    frame_no_ = attach_frame_(*form_, false_, false_);
    cmd_->win_()->hide_();
    set_frame_callbacks_(frame_no_, {}, [this] {
      if (docktb_) {
        docktb_->hide_menu_();
        docktb_->refresh(3);
      }
    }, {});
  } else {
    frame_no_ = attach_frame_(*form_, true_, false_);
    xribbon_& r = ribbon_->model();
    r.pWindowID(frame_no_);
    set_frame_callbacks_(
        frame_no_, [this] { ribbon_->refresh_(); },
        [this] {
          ribbon_->hide_winex_();
          ribbon_->refresh_();
          panel_->hide_winex_();
          panel_->refresh_();
          form_->invalidate_();
        },
        {});
    set_frame_callbacks2_(frame_no_, [this] { frame_cb_show_bars_(); }, [this] { frame_cb_hide_bars_(); });
    if (frame_no_ >= 1) r.add_qbs2frm_(frame_no_);
    cmd_->win_()->make_child_(*cmdbar_, 0, 4);
    r.tab_id_(2);
  }
}

void MDI_::frame_cb_show_bars_() {
  ribbon_->model().tben_(true);
  ribbon_->bar().show_();
  if (window_* p = panel_window()) p->show_();
  mdi_resize_();
  do_events_();
}

void MDI_::frame_cb_hide_bars_() {
  ribbon_->model().tben_(false);
  ribbon_->bar().hide_();
  panel2_->hide_();
  if (window_* p = panel_window()) p->hide_();
  mdi_resize_();
  do_events_();
}

void MDI_::Form_Load() {
  if (!skin_file_path_.empty()) load_skin_file_(skin_file_path_);
  first_tick_ = true_;
  form_->set_title_(std::string(program_title_));
  attr_dcolor_ = -4;
  attr_fcolor_ = -2;
  attr_style_ = -4;
  attr_width_ = -4;
  side_panel_mode_ = 0;
  status_synced_ = false_;
  mouse_pointer_(0);
  ddraw_text_ = lang_text_("adraw.typetext");
  set_skincolors_();
  statusbar_->zoom_min_(-100);
  statusbar_->zoom_max_(100);
  statusbar_->zoom_curr_(0);
  p2vsc_->liststyle_(false_);
  for (xcscrollbox_* bar : {hscroll_.get(), vscroll_.get(), p2vsc_.get()}) {
    bar->scrollmin_(-100);
    bar->scrollmax_(100);
    bar->scrollcurrent_(0);
    bar->Enabled(true_);
    bar->get_mscroll_messages_(false_);
  }
  hscroll_->horizontal_(true_);
  vscroll_->horizontal_(false_);
  p2vsc_->horizontal_(false_);
  for (xcscrollbox_* bar : {hscroll_.get(), vscroll_.get(), p2vsc_.get()}) bar->refresh_();
  clabel_->set_caption_(lang_text_("mdi.commandbar"));
  clabel_->set_auto_size_(true);
  zoom_text_update_(0);
  // The frame, the command line's new parent and its caption change what the placement's
  // layout did; this platform sends no resize when the window is shown at its size.
  mdi_resize_();
}

void MDI_::set_skincolors_() {
  apply_form_colors_(*form_, skin_color_(20), skin_color_(21), skin_color_(22));
  cmdbar_->set_background_(uint32_t(skin_palette_.color_background_ex));
  form_->set_background_(uint32_t(skin_color_(4)));
  panel2_->set_background_(uint32_t(skin_color_(11)));
  cmdbar_->invalidate_();
  panel2_->invalidate_();
}

void MDI_::restore_placement_() {
  auto number = [](const char* key, double def) {
    return value_number_(get_setting_(placement_app, placement_section, key, def), def);
  };
  const int32_t tx = std::max(1, twips_per_pixel_x_()), ty = std::max(1, twips_per_pixel_y_());
  const double w_tw = number("width", 850.0 * tx), h_tw = number("height", 600.0 * ty);
  const int32_t w = std::max(1, int32_t(std::lround(w_tw / tx))), h = std::max(1, int32_t(std::lround(h_tw / ty)));
  const double left_def = (screen_width_px_() / 2.0 - w / 2.0) * tx;
  const double top_def = (screen_height_px_() / 2.0 - h / 2.0) * ty;
  const int32_t x = int32_t(std::lround(number("left", left_def) / tx));
  const int32_t y = int32_t(std::lround(number("top", top_def) / ty));
  form_->move_(x, y, w, h);
  const int32_t state = int32_t(number("WinState", 0));
  if (state == 1) form_->minimize_();
  if (state == 2) form_->maximize_();
}

void MDI_::Form_Activate() {
  if (client_->visible_()) client_->set_focus_();
  ref_tool_buttons_(0);
}

void MDI_::Form_GotFocus() {
  if (client_->visible_()) client_->set_focus_();
}

void MDI_::Form_MouseDown() {
  if (docktb_) docktb_->hide_menu_();
  if (client_->visible_()) client_->set_focus_();
}

void MDI_::Form_Deactivate() {
  // The view input holds the capture flag; the window built before the view has none to clear.
  if (view_link_) view_input().view_captured_ = false_;
  release_capture_();
  eng_.draw_cursor_(true_);
  eng_.draw_preview_(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", 0, false_, 0, 0, 0, false_);
  eng_.display_mask_(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1);
  client_->invalidate_();
}

int16_t MDI_::Form_QueryUnload() {
  // Closing after Yes would lose the drawing when the save was cancelled or failed.
  return save_question_() ? 0 : 1;
}

void MDI_::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  timer_.stop_();
  const show_state_ st = form_->state_();
  const int32_t state = st == show_state_::minimized ? 1 : st == show_state_::maximized ? 2 : 0;
  save_setting_(placement_app, placement_section, "WinState", std::to_string(state));
  if (state == 0) {
    const window_placement_ p = form_->placement_();
    save_setting_(placement_app, placement_section, "width", std::to_string(p.width));
    save_setting_(placement_app, placement_section, "height", std::to_string(p.height));
    save_setting_(placement_app, placement_section, "left", std::to_string(p.left));
    save_setting_(placement_app, placement_section, "top", std::to_string(p.top));
  }
  if (on_unload) on_unload();
}
