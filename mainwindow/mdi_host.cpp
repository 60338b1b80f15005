// The main window's answers to the shell's key dispatcher, forwarded to its controls and engine.
#include "mainwindow/mdi_host.h"

#include "engine/zaz_class.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

window_handle_ mdi_host_::main_window_handle_() { return m_.form().handle_(); }

int32_t mdi_host_::dock_getfocus_(const std::string& key, int32_t& tbid, int32_t& btn) {
  if (!m_.docktb()) return tbid = btn = 0;
  return m_.docktb()->getfocus_(key, tbid, btn);
}
void mdi_host_::dock_key_event_(int16_t& keycode, int16_t& shift, int16_t& keyascii) {
  if (m_.docktb()) m_.docktb()->key_event_(keycode, shift, keyascii);
}
void mdi_host_::dock_refresh_(int32_t tbid) {
  if (m_.docktb()) m_.docktb()->refresh(tbid);
}
void mdi_host_::dock_hide_menu_() {
  if (m_.docktb()) m_.docktb()->hide_menu_();
}
void mdi_host_::panel_next_(flag16_ selectall, flag16_ back) { m_.panel().next_(selectall, back); }
void mdi_host_::panel_key_event_(int16_t& keycode, int16_t& shift, int16_t& keyascii) {
  m_.panel().key_event_(keycode, shift, keyascii);
}
void mdi_host_::panel_refresh_() { m_.panel().refresh_(); }
void mdi_host_::ribbon_hide_winex_() {
  if (m_.ribbon()) m_.ribbon()->hide_winex_();
}
flag16_ mdi_host_::ribbon_altstate_() { return m_.ribbon() ? m_.ribbon()->model().altstate_() : false_; }
float mdi_host_::view_posx_() { return m_.engine().view_posx_(); }
void mdi_host_::set_view_posx_(float x) { m_.engine().view_posx_(x); }
float mdi_host_::view_posy_() { return m_.engine().view_posy_(); }
void mdi_host_::set_view_posy_(float y) { m_.engine().view_posy_(y); }
float mdi_host_::view_zoom_() { return m_.engine().view_zoom_(); }
void mdi_host_::set_view_zoom_(float zoom) { m_.engine().view_zoom_(zoom); }
float mdi_host_::view_width_() { return m_.engine().view_width_(); }
float mdi_host_::view_height_() { return m_.engine().view_height_(); }
