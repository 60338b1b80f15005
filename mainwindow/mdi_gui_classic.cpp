// The classic interface: menus and docking toolbars, their events and the tool-button sync.
#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

// The classic stand-in: four dock areas and one toolbar with the line tool.
void MDI_::build_classic_gui_() {
  docktb_ = std::make_unique<xdocktb_>();
  for (int i = 1; i <= 4; ++i) dock_[i]->show_();
  docktb_->ResizeDocks = [this] { mdi_resize_(); };
  docktb_->ButtonClick = [this](int32_t, int32_t, const std::string&, const std::string& key2) {
    if (!key2.empty()) gocmd_(key2);
  };
  docktb_->dock_(form_->handle_(), dock_[1]->handle_(), dock_[2]->handle_(), dock_[3]->handle_(),
                 dock_[4]->handle_());
  const int32_t tb = docktb_->add_toolbar_("Draw", 1, 1);
  std::string key = "LINE", text = "Line";
  int32_t ico = 0;
  docktb_->add_button_(tb, key, text, 1, &ico, true, "", false, false, 100, 0, 0, "line");
  docktb_->show_toolbar_all_();
  build_popup_menus_();
}

// Brings the pressed tool buttons in line with the current tool and puts it back to its first
// step.
void MDI_::ref_tool_buttons_(int32_t) {
  ds_.tool_step_ = 0;
  if (gui_type_ < gui_classic_ || !docktb_) return;
  const tool_code_rec_* t = tool_record_(ds_.tool_name_);
  const int32_t line = docktb_->key2id_("LINE");
  if (line >= 1) docktb_->button_ckeck_(line, to_flag_(t && std::string(t->classic_key) == "LINE"));
}
