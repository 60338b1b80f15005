// The dimension-style editor: four property pages bound to the main drawing's active style, a
// style list with add, rename and delete, and a live preview drawn by a private engine.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/dimstyles/dimstyle_values.h"
#include "dialogs/layers/dialog_common.h"
#include "platform/window/controls.h"
#include "ui/controls/button/button.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/tabstrip/tabstrip.h"
#include "ui/controls/textbox/textbox.h"

class zaz_class_;

class ex_dimstyles_ {
 public:
  ex_dimstyles_(zaz_class_& engine, const dialog_host_rec_& host);
  ~ex_dimstyles_();
  ex_dimstyles_(const ex_dimstyles_&) = delete;
  ex_dimstyles_& operator=(const ex_dimstyles_&) = delete;

  void show_modal_(std::function<void()> queued = {});
  void close_();
  window_& dialog() { return *dlg_; }

  void load_style_values_();
  void apply_style_values_();
  void fill_accuracy_lists_();
  void fill_style_list_();
  void fill_font_list_();
  void refresh_preview_();
  void xcstyle__ItemClick(int32_t item);
  void xcstyleadd__Click();
  void xcstylename__Click();
  void xcstyledel__Click();
  void btn_sepsys__Click();
  void tabs__TabClick(const std::string& key);
  void Form_Resize();

  // The bound control of a binding row, by its name (null when the row is of another kind).
  xccombobox_* combo_(const std::string& name) const;
  xctextbox_* text_(const std::string& name) const;
  xccheckbox_* check_(const std::string& name) const;
  // Any bound control or button of the pages by its name (null when none is so named).
  xc_control_* value_control_(const std::string& name) const;

  std::unique_ptr<zaz_class_> preview_engine_;
  std::unique_ptr<window_> dlg_, form_, pic_, pic_stylename_;
  std::map<std::string, std::unique_ptr<window_>> pages_;  // by tab key
  std::unique_ptr<xctoolbar_> tabs_;
  std::unique_ptr<xccombobox_> xcstyle_;
  std::unique_ptr<xcbutton_> xcstylename_, xcstyleadd_, xcstyledel_, btn_sepsys_, close_btn_;

 private:
  void build_();
  void build_pages_();
  void install_keys_();
  void Form_Load();
  void fill_fixed_lists_();
  void set_groups_();
  dimstyle_shown_ read_controls_() const;

  zaz_class_& eng_;
  dialog_host_rec_ host_;
  std::array<xccombobox_*, dimstyle_binding_count_> row_combo_{};
  std::array<xctextbox_*, dimstyle_binding_count_> row_text_{};
  std::array<xccheckbox_*, dimstyle_binding_count_> row_check_{};
  std::vector<std::unique_ptr<xc_control_>> owned_;
  std::vector<std::unique_ptr<control_>> labels_;
  std::map<std::string, control_*> label_by_name_;
  dimstyle_shown_ shown_{};
  bool in_apply_ = false, closing_ = false;
};

// The routine the main window registers for "dimstyles": shows the editor modally.
void show_ex_dimstyles_(zaz_class_& engine, const dialog_host_rec_& host, std::function<void()> queued = {});
