// The ribbon interface: the whole command surface built once at start, its events joined to the
// main window's handlers (mainwindow/ribbon_events/) and the wheel routed through the ribbon.
#include "engine/zaz_class.h"
#include "mainwindow/interface/build_ribbon.h"
#include "mainwindow/mdi.h"
#include "shell/frame_proc.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {

void connect_events_(MDI_& m, xribbon_& r) {
  r.UserDraw = [&m](dc_* hdc, const std::string& key, const std::string& text, int32_t x, int32_t y, int32_t w,
                    int32_t h, int32_t value) { m.xribbon_UserDraw(hdc, key, text, x, y, w, h, value); };
  r.ButtonClick = [&m](const std::string& key, int16_t i) { m.xribbon_ButtonClick(key, i); };
  r.PopupMenuClick = [&m](const std::string& key, int32_t i) { m.xribbon_PopupMenuClick(key, i); };
  r.MainButtonClick = [&m](int16_t b) { m.xribbon_MainButtonClick(b); };
  r.MainMenuClick = [&m](const std::string& key) { m.xribbon_MainMenuClick(key); };
  r.QuickButtonClick = [&m](const std::string& key) { m.xribbon_QuickButtonClick(key); };
  r.ListItemClick = [&m](const std::string& key, int32_t i, int32_t x, int32_t y) {
    m.xribbon_ListItemClick(key, i, x, y);
  };
  r.ToolbarExBtnClick = [&m](const std::string& key) { m.xribbon_ToolbarExBtnClick(key); };
  r.ControlHotChange = [&m](uint8_t kind, int32_t index, int32_t id) { m.xribbon_ControlHotChange(kind, index, id); };
  r.HelpButtonClick = [&m] { m.xribbon_HelpButtonClick(); };
  r.ShowEx = [&m] { m.xribbon_ShowEx(); };
  r.TabButtonClick = [&m](const std::string& key) { m.xribbon_TabButtonClick(key); };
  r.MouseScroll = [&m](int16_t v) { m.xribbon_MouseScroll(v); };
}

}  // namespace

void MDI_::build_ribbon_gui_() {
  ribbon_ = std::make_unique<xribbon_control_>(*form_, 0, 0, 850, 120);
  xribbon_& r = ribbon_->model();
  connect_events_(*this, r);
  ribbon_build_ctx_ c;
  c.ribbon = &r;
  c.fields = &gui_fields_;
  c.print_icon = print_icons_[0];
  c.set_ribbon_visible = [this](bool on) { on ? ribbon_->bar().show_() : ribbon_->bar().hide_(); };
  c.docks = {dock_[1].get(), dock_[2].get(), dock_[3].get(), dock_[4].get()};
  c.build_popup_menus = [this] { build_popup_menus_(); };
  c.panel = panel_.get();
  build_ribbon_(c);
  orient_icons_ = {gui_fields_.tool_icon_pageorient_v_, gui_fields_.tool_icon_pageorient_h_};
  // The wheel reaches the main window through the ribbon, which keeps it while a drop-down is open.
  set_form_wheel_controls_(form_->handle_(),
                           {wheel_control_{wheel_control_kind_::ribbon, [this](int16_t v) {
                                             return ribbon_ && ribbon_->model().call_mscroll_(v) ? true_ : false_;
                                           }}});
}
