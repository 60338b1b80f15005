#include "shell/guiopt.h"

#include "platform/gdi/dc.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "platform/services/picture_file.h"
#include "shell/colors.h"
#include "shell/frame_table.h"
#include "shell/language.h"
#include "shell/main_link.h"
#include "shell/program_dir.h"
#include "shell/program_pictures.h"
#include "shell/settings.h"
#include "shell/shell_text.h"
#include "ui/controls/button/button.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/combo/combo.h"
#include "ui/skin/skin_file.h"

namespace {
std::unique_ptr<xccombobox_> combo(window_& host, int32_t y) {
  return std::make_unique<xccombobox_>(host, 130, y, 170, 22);
}
}  // namespace

OPT_::OPT_() : dlg_("guiopt.title", 320, 230) {
  window_& f = dlg_.form();
  chks_ = std::make_unique<xccheckbox_>(f, 12, 12, 290, 20);
  chks_->Caption(lang_text_("guiopt.welcome"));
  gtype_ = combo(f, 42);
  skin_ = combo(f, 72);
  lang_ = combo(f, 102);
  keys_ = combo(f, 132);
  btn_save_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("guiopt.btn.ok"));
  btn_cancel_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("guiopt.btn.cancel"));
  btn_save_->seticon_(icon_folder_(), "btnsave.ico");
  btn_cancel_->seticon_(icon_folder_(), "btncancel.ico");
  btn_save_->Click = [this] { save_click_(); };
  btn_cancel_->Click = [this] { dlg_.unload_(); };
  dlg_.on_layout = [this] { paint_labels_(); };
  const pixel_point_ p = dialog_default_position_();
  dlg_.win().move_to_(p.x, p.y);
  dlg_.set_buttons_({btn_save_->hwnd(), btn_cancel_->hwnd()}, {0, -1, 0, 1});
}

OPT_::~OPT_() = default;

void OPT_::paint_labels_() {
  window_& f = dlg_.form();
  dc_ dc(f.client_surface_());
  begin_form_labels_(dc, f);
  dc.text_out_(12, 45, lang_text_("guiopt.type"));
  dc.text_out_(12, 75, lang_text_("guiopt.skin"));
  dc.text_out_(12, 105, lang_text_("guiopt.language"));
  dc.text_out_(12, 135, lang_text_("guiopt.shortcuts"));
  f.invalidate_();
}

void OPT_::reload_() {
  chks_->Checked(to_flag_(value_equals_(get_setting_(setting_gui_wscreen_), 1)));
  gtype_->Clear();
  gtype_->AddItem(lang_text_("guiopt.type.0"), 0);
  gtype_->AddItem(lang_text_("guiopt.type.1"), 1);
  gtype_->ListIndex(value_number_(get_setting_(setting_gui_type_), 0) >= 1 ? 1 : 0);
  skin_->Clear();
  skin_->AddItem(lang_text_("guiopt.skin.blue"), 0, false_, 0xFFE6C8);   // RGB(200, 230, 255)
  skin_->AddItem(lang_text_("guiopt.skin.silver"), 0, false_, 0xFAF5F0); // RGB(240, 245, 250)
  skin_->AddItem(lang_text_("guiopt.skin.black"), 0, false_, 0x969696);  // RGB(150, 150, 150)
  const double skin = value_number_(get_setting_(setting_gui_skin_), 3);
  skin_->ListIndex(skin == 1 ? 1 : skin == 2 ? 2 : 0);
  lang_->Clear();
  lang_->AddItem(lang_text_("guiopt.language.pl"), 0);
  lang_->AddItem(lang_text_("guiopt.language.en"), 1);
  lang_->ListIndex(upper_ascii_(value_text_(get_setting_(setting_gui_lang_))) == "EN" ? 1 : 0);
  keys_->Clear();
  keys_->AddItem("Arvex 2014", 0);
  keys_->ListIndex(0);
  if (window_* w = chks_->win_()) w->set_focus_();
}

void OPT_::save_click_() {
  set_screen_cursor_(cursor_shape_::wait);
  const int32_t type = gtype_->ListIndex();
  if (value_number_(get_setting_(setting_gui_type_), 1) != type)
    message_box_(lang_text_("message.chguitype"), "", box_ok_ + box_icon_info_, &dlg_.win());
  save_setting_("kalvinor.common", "GUI", "WScreen", chks_->Checked() == true_ ? "1" : "0");
  save_setting_("kalvinor.common", "GUI", "Type", type == 1 ? "1" : "0");
  save_setting_("kalvinor.common", "GUI", "Skin", std::to_string(std::max(skin_->ListIndex(), 0)));
  save_setting_("kalvinor.common", "GUI", "Lang", lang_->ListIndex() == 1 ? "EN" : "PL");
  dlg_.win().hide_();
  select_skin_file_();
  load_skin_file_(skin_file_path_);
  repaint_all_frames_();
  if (main_link_* m = main_link_if_made_()) m->apply_skin_();
  dlg_.unload_();
  restore_screen_cursor_();
}

about_::about_() : dlg_("about.title", 436, 256) {
  picture_image_rec_ img;
  decode_picture_bytes_(about_picture_png_(), img, 4096);
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &dlg_.form();
  o.x = 8;
  o.y = 8;
  o.width = img.width > 0 ? img.width : 420;
  o.height = img.height > 0 ? img.height : 200;
  o.takes_focus = false;
  pic_ = create_window_(o);
  surface_& s = pic_->client_surface_();
  for (int32_t y = 0; y < img.height && y < s.height_(); ++y)
    for (int32_t x = 0; x < img.width && x < s.width_(); ++x) {
      const uint32_t a = img.pixel_(x, y);
      s.set_argb_(x, y, 0xFF000000u | (a & 0xFFFFFF));
    }
  pic_->invalidate_();
  btn_ok_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("about.btn.ok"));
  btn_ok_->Click = [this] { dlg_.unload_(); };
  const pixel_point_ p = dialog_default_position_();
  dlg_.win().move_to_(p.x, p.y);
  dlg_.set_buttons_({btn_ok_->hwnd()}, {0, -1, 0, 1});
}

about_::~about_() = default;
