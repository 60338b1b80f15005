// Joins the drawing view's input to the main window: MDI_ as the handlers' host, the view's
// mouse events routed to them and the 10 ms timer to their tick. The main window owns it.
#pragma once
#include "mainwindow/mdi.h"
#include "mainwindow/view/view_input.h"

class mdi_view_host_ final : public view_host_ {
 public:
  explicit mdi_view_host_(MDI_& mdi) : m_(mdi) {}
  zaz_class_& engine_() override { return m_.engine(); }
  window_& form_() override { return m_.form(); }
  window_& view_() override { return m_.client(); }
  xcpanelbox_* tool_panel_() override { return &m_.panel(); }
  draw_state_rec_& ds_() override { return m_.ds_; }
  draw_state_rec_& ds_saved_() override { return m_.ds_saved_; }
  void ref_(flag16_ fast, flag16_ resize) override { m_.ref_(fast, resize); }
  void ref_states_() override { m_.ref_states_(); }
  void ref_edit_(flag16_ a, flag16_ b) override { m_.ref_edit_(a, b); }
  void auto_pointer_() override { m_.auto_pointer_(); }
  void status_text_(const std::string& text) override;
  bool dropdown_open_() override;
  void close_dropdown_() override;
  void dock_hide_menu_() override;
  bool dock_under_cursor_() override;
  void focus_to_view_() override;
  void show_popup_(int32_t owner, int32_t x, int32_t y) override;
  int32_t frame_border_width_() override;
  int32_t frame_caption_height_() override;
  int32_t frame_border_height_() override;
  bool library_rect_(pixel_rect_& r) override { return m_.dialogs_.library_rect_(r); }
  bool take_first_tick_() override;
  double clock_() override;
  void do_events_() override;
  new_object_attrs_rec_ attrs_() override {
    return {m_.attr_dcolor_, m_.attr_fcolor_, m_.attr_style_, m_.attr_width_};
  }
  std::string ddraw_text_() override { return m_.ddraw_text_; }
  int32_t block_to_insert_() override { return m_.block_to_insert_; }
  image_choice_rec_ image_choice_() override { return {m_.image_file_, m_.image_w_, m_.image_h_}; }

 private:
  MDI_& m_;
};

class mdi_view_link_ {
 public:
  explicit mdi_view_link_(MDI_& mdi);
  // Gives the view's mouse and the timer back to the main window alone.
  ~mdi_view_link_();
  mdi_view_link_(const mdi_view_link_&) = delete;
  mdi_view_link_& operator=(const mdi_view_link_&) = delete;
  view_input_& input() { return input_; }

 private:
  MDI_& mdi_;
  mdi_view_host_ host_;
  view_input_ input_;
};
