// The main window as the shell's key dispatcher reaches it.
#pragma once
#include "mainwindow/mdi.h"
#include "shell/shell_host.h"

class mdi_host_ final : public shell_host_ {
 public:
  explicit mdi_host_(MDI_& mdi) : m_(mdi) {}
  window_handle_ main_window_handle_() override;
  int32_t gui_type_val_() override { return m_.gui_type_val_(); }
  int32_t dock_getfocus_(const std::string& key, int32_t& tbid, int32_t& btn) override;
  void dock_key_event_(int16_t& keycode, int16_t& shift, int16_t& keyascii) override;
  void dock_refresh_(int32_t tbid) override;
  void dock_hide_menu_() override;
  void panel_next_(flag16_ selectall, flag16_ back) override;
  void panel_key_event_(int16_t& keycode, int16_t& shift, int16_t& keyascii) override;
  void panel_refresh_() override;
  void ribbon_hide_winex_() override;
  flag16_ ribbon_altstate_() override;
  void common_keydown_(int16_t keycode, int16_t shift) override { m_.common_keydown_(keycode, shift); }
  void auto_pointer_() override { m_.auto_pointer_(); }
  int32_t ds_tn_() override { return m_.ds_tn_(); }
  void set_ds_tn_(int32_t steps) override { m_.ds_tn_(steps); }
  void ref_(flag16_ fast, flag16_ resize) override { m_.ref_(fast, resize); }
  void gocmd_(const std::string& command) override { m_.gocmd_(command); }
  float view_posx_() override;
  void set_view_posx_(float x) override;
  float view_posy_() override;
  void set_view_posy_(float y) override;
  float view_zoom_() override;
  void set_view_zoom_(float zoom) override;
  float view_width_() override;
  float view_height_() override;

 private:
  MDI_& m_;
};
