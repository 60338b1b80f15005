// The main window as the host of its property editor and blocks list: its engine, side panel
// and controls, tool state, undo steps, drop-downs, popup and loaded icons.
#pragma once
#include "mainwindow/mdi.h"
#include "mainwindow/properties/prop_editor.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox.h"

class mdi_prop_host_ final : public prop_host_ {
 public:
  explicit mdi_prop_host_(MDI_& mdi) : m_(mdi) {}
  zaz_class_& engine() override { return m_.eng_; }
  window_& panel2() override { return *m_.panel2_; }
  xctextbox_& tedit() override { return *m_.tedit_; }
  xccombobox_& cedit() override { return *m_.cedit_; }
  xcscrollbox_& p2vsc() override { return *m_.p2vsc_; }
  int32_t side_panel_mode() override { return m_.side_panel_mode_; }
  int32_t block_to_insert() override { return m_.block_to_insert_; }
  void block_to_insert(int32_t bid) override { m_.block_to_insert_ = bid; }
  std::string tool_name() override { return m_.ds_.tool_name_; }
  void set_tool(const std::string& tool, int32_t step) override;
  void focus_state(int32_t state) override;
  void message_box(const std::string& text) override;
  void undo_begin() override;
  void undo_save(const std::string& name) override;
  void hide_dropdowns() override;
  void refresh_toolbars() override;
  void ref_view() override { m_.ref_(false_, false_); }
  void mouse_pointer(int32_t id) override;
  void blocks_left_press() override;
  void blocks_press_done() override;
  void show_blocks_popup() override;
  int32_t icon_of(std::string_view file) override;

 private:
  MDI_& m_;
};
