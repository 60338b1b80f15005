// The main window's side of its property editor and blocks list: the value box and value list
// inside the side panel, the panel's events, the host the editor reaches the window through,
// and the value tables the grid shows coded values with. The side panel keeps what its view
// painted last (a persistent surface), so it has no paint handler of its own.
#include <cstdio>
#include <cstdlib>

#include "engine/zaz_class.h"
#include "mainwindow/properties/mdi_prop_host.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_input.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "shell/colors.h"
#include "shell/focus_state.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {
// The ribbon toolbars whose pressed buttons show the current tool; a left press in the blocks
// list unchecks them all.
const char* const tool_toolbars_[] = {"PRINTP",     "SELECT_STD", "SELECT_TRN", "SELECT_DIM", "SELECT_ARR",
                                      "SELECT_VIEW", "CLIPBOARD", "SELECTION",  "TRANSFORM",  "DIMENSION",
                                      "MEASURE",    "DRAWING",    "ZOOM"};
}  // namespace

// ---- The host.

void mdi_prop_host_::set_tool(const std::string& tool, int32_t step) {
  m_.ds_.tool_name_ = tool;
  m_.ds_.tool_step_ = step;
}

void mdi_prop_host_::focus_state(int32_t state) {
  focus_state_code_ = state;
  if (state == focus_property_box_) focus_toolbar_ = 0, focus_item_ = 0;
}

void mdi_prop_host_::message_box(const std::string& text) {
  message_box_(text, std::string(program_title_), box_ok_ + box_icon_warning_, m_.form_.get());
}

void mdi_prop_host_::undo_begin() { m_.eng_.state_begin_(); }

void mdi_prop_host_::undo_save(const std::string& name) {
  m_.eng_.state_save_(name);
  m_.ref_states_();
}

void mdi_prop_host_::hide_dropdowns() {
  if (m_.docktb_) m_.docktb_->hide_menu_();
  if (m_.ribbon_) m_.ribbon_->hide_winex_();
}

void mdi_prop_host_::refresh_toolbars() {
  if (m_.docktb_) m_.docktb_->refresh(0);
}

void mdi_prop_host_::mouse_pointer(int32_t id) {
  if (id == 11) set_screen_cursor_(cursor_shape_::wait);
  else if (screen_cursor_set_()) restore_screen_cursor_();
}

void mdi_prop_host_::blocks_left_press() {
  m_.auto_pointer_();
  if (!m_.ribbon_) return;
  for (const char* key : tool_toolbars_) m_.ribbon_->model().clear_btnschecked_(key);
  m_.ribbon_->refresh_();
}

void mdi_prop_host_::blocks_press_done() {
  if (m_.panel_) ref_adraw_(*m_.panel_, {m_.ds_.tool_name_, m_.ddraw_text_, m_.image_w_, m_.image_h_});
  m_.gocmd_("blocks.ins");
}

void mdi_prop_host_::show_blocks_popup() {
  if (m_.view_link_) m_.view_input().show_popup_at_cursor_(-2);
}

// The icons the main window loaded at start, by file name.
int32_t mdi_prop_host_::icon_of(std::string_view file) {
  if (file == "zaz.attr.01.0.ico") return m_.icon_bylayer_;
  if (file == "zaz.attr.02.0.ico") return m_.icon_byblock_;
  if (file == "zaz.attr.03.0.ico") return m_.icon_auto_;
  if (file == "zaz.attr.05.0.ico") return m_.icon_none_;
  int k = 0, n = 0;
  const std::string f(file);
  if (std::sscanf(f.c_str(), "zaz.dim.arrow.%2da.ico%n", &k, &n) == 1 && n == int(f.size()) && k >= 0 && k < 20)
    return m_.arrow1_icons_[size_t(k)];
  // Style icons zaz.stl.10 .. 50 show the codes 0 to 4, width icons zaz.wid.10 .. 50 the codes 1 to 5.
  if (std::sscanf(f.c_str(), "zaz.stl.%1d0.0.ico%n", &k, &n) == 1 && n == int(f.size()) && k >= 1 && k <= 5)
    return m_.style_icons_[size_t(k - 1 + 5)];
  if (std::sscanf(f.c_str(), "zaz.wid.%1d0.0.ico%n", &k, &n) == 1 && n == int(f.size()) && k >= 1 && k <= 5)
    return m_.width_icons_[size_t(k + 5)];
  return 0;
}

// ---- The main window's members.

void MDI_::create_side_panel_views_() {
  tedit_ = std::make_unique<xctextbox_>(*panel2_, 0, 0, 10, 20);
  cedit_ = std::make_unique<xccombobox_>(*panel2_, 0, 0, 10, 20);
  tedit_->win_()->hide_();
  cedit_->win_()->hide_();
  prop_host_ = std::make_unique<mdi_prop_host_>(*this);
  props_ = std::make_unique<prop_editor_>(*prop_host_);
  props_->connect_();
  panel2_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::down) panel2_MouseDown(int16_t(m.button), int16_t(m.shift), float(m.x), float(m.y));
    // A release over the panel completes a click.
    if (m.type == mouse_type_::up && m.x >= 0 && m.y >= 0 && m.x < panel2_->client_width_() &&
        m.y < panel2_->client_height_())
      panel2_Click();
  };
}

// What the grid shows coded values with: the names and icons of the colour, line-style and
// line-width codes, and the arrow kinds' icons. Style and width icons not loaded yet are loaded
// into the shared style and width icon tables. (The tool panel's builder fills the same tables;
// run after it, this only completes what it left empty.)
void MDI_::ref_edit_(flag16_ set_, flag16_ reset_) {
  if (props_) props_->ref_edit_(set_, reset_);
}

int32_t MDI_::ref_blocks_(int32_t mx, int32_t my) { return props_ ? props_->ref_blocks_(mx, my) : 0; }

void MDI_::set_block_(int32_t bid) { props_->set_block_(bid); }

std::string MDI_::unit_key_(int32_t unit) { return prop_editor_::unit_key_(unit); }

void MDI_::panel2_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
  props_->panel2_MouseDown(Button, Shift, X, Y);
}

void MDI_::panel2_Click() { props_->panel2_Click(); }
void MDI_::p2vsc_Scroll() { props_->p2vsc_Scroll(); }
void MDI_::cedit_ItemClick(int32_t Item_) { props_->cedit_ItemClick(Item_); }
void MDI_::tedit_KeyPress(int16_t KeyAscii) { props_->tedit_KeyPress(KeyAscii); }

void MDI_::side_panel_open_(int32_t mode) {
  do_events_();
  side_panel_mode_ = mode;
  // The other view's picture goes before the panel shows again.
  panel2_->hide_();
  dc_ dc(panel2_->client_surface_());
  dc.fill_rectangle_({0, 0, panel2_->client_surface_().width_(), panel2_->client_surface_().height_()},
                     uint32_t(skin_color_(11)) & 0xFFFFFF);
  if (window_* bar = p2vsc_->win_()) mode == 1 ? bar->show_() : bar->hide_();
  p2vsc_->scrollmin_(0);
  p2vsc_->scrollmax_(500);
  p2vsc_->scrollcurrent_(0);
  p2vsc_->Enabled(true_);
  mdi_resize_();
  panel2_->show_();
  p2vsc_->refresh_();
  ref_blocks_(-1, -1);
  ref_edit_(false_, false_);
}
