// The tool panel's events: its buttons become command words and dialogs, its check boxes couple
// or switch other rows, a pick in an attribute list sets the attribute of new objects and, with
// a selection, changes the selected objects as one undo step. Also the picture of the IMAGE tool.
#include <algorithm>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/panel/attr_lists.h"
#include "mainwindow/view/adraw_rows.h"
#include "platform/gdiplus/image.h"
#include "shell/browse.h"
#include "shell/language.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/controls/statusbar/statusbar.h"

void MDI_::panel_ButtonClick(const std::string& key_, int32_t id_) {
  const std::string group = panel_->id2group_(id_);
  if (group == "ADRAW") {
    if (key_ == "AD_PU") {
      gocmd_("pu");
    } else if (key_ == "AD_HATCH") {
      dialogs_.show_(dlg_hatch_);
    } else if (key_ == "AD_IMAGE") {
      choose_image_file_();
    } else if (key_ == "AD_TEXTV.TEXT" || key_ == "AD_TEXTV.FONT") {
      // The dialog mirrors rows 5, 6 and 7 and the text itself; its font steps are undo steps.
      ref_states_();
      dialogs_.show_(dlg_text_, key_ == "AD_TEXTV.TEXT" ? "text" : "font");
      ref_states_();
    }
  } else if (group == "ZOOM") {
    if (key_ == "ZOOM_MOVE") gocmd_("mview");
    else if (key_ == "ZOOM_ZOOM") gocmd_("dzoom");
    else if (key_ == "ZOOM_AREA") gocmd_("azoom");
    else if (key_ == "ZOOM_ALL") gocmd_("zoomall");
  }
}

void MDI_::panel_CheckboxClick(const std::string& key_, int32_t id_) {
  if (panel_->id2group_(id_) != "ADRAW") return;
  xcpanelbox_& p = *panel_;
  if (key_ == "AD_MLINE") {
    p.save_settings_(current_tool_key_(ds_.tool_name_));
    ref_adraw_();
  } else if (key_ == "AD_LOCKXY") {
    if (is_set_(p.item_checked_("AD_LOCKXY"))) p.item_checked_("AD_SCALEY", p.item_checked_("AD_SCALEX"));
  } else if (key_ == "AD_SCALEX") {
    if (is_set_(p.item_checked_("AD_LOCKXY"))) p.item_checked_("AD_SCALEY", p.item_checked_("AD_SCALEX"));
  } else if (key_ == "AD_SCALEY") {
    if (is_set_(p.item_checked_("AD_LOCKXY"))) p.item_checked_("AD_SCALEX", p.item_checked_("AD_SCALEY"));
  } else if (key_ == "AD_FHATCH") {
    const flag16_ on = p.item_checked_("AD_FHATCH");
    for (const char* k : {"AD_HATCH", "AD_SCALE", "AD_ROTATE"}) p.item_enabled_(k, on);
  } else {
    return;
  }
  p.refresh_();
}

void MDI_::panel_ComboItemClick(const std::string& key_, int32_t) {
  int32_t list = -1, code = attr_no_code_;
  if (attr_pick_(key_, list, code) && code == attr_ask_colour_) {
    const int32_t chosen = choose_color_dialog_(form_->handle_());
    code = chosen <= -1 ? attr_cancelled_ : chosen;
  }
  // One pick matches one list, so at most one attribute changes and one undo step is made.
  if (list >= 0 && code >= -4) {
    switch (list) {
      case attr_dcolor_list_: attr_dcolor_ = code; break;
      case attr_fcolor_list_: attr_fcolor_ = code; break;
      case attr_style_list_: attr_style_ = int16_t(code); break;
      default: attr_width_ = int16_t(code); break;
    }
    if (eng_.select_info_() >= 1) {
      eng_.state_begin_();
      switch (list) {
        case attr_dcolor_list_: eng_.set_color_d_(code); break;
        case attr_fcolor_list_: eng_.set_color_f_(code); break;
        case attr_style_list_: eng_.set_style_(code); break;
        default: eng_.set_width_(code); break;
      }
      eng_.state_save_(lang_text_(attr_lists_()[size_t(list)].undo_text));
      ref_edit_(true_, false_);
    }
  }
  ref_states_();
  ref_(false_, false_);
}

void MDI_::panel_HotBtnChange(const std::string& tooltip_) { statusbar_->text_(tooltip_); }

void MDI_::panel_MouseDown(int16_t, int16_t, float, float) {
  if (docktb_) {
    docktb_->hide_menu_();
    docktb_->refresh(0);
    // A press over a floating tool window is that window's, not the panel's.
    if (is_set_(docktb_->cursortb_())) panel_->exit_action_(true_);
  }
  if (ribbon_ && ribbon_->winex_visible_()) ribbon_->hide_winex_();
  else panel_->exit_action_(false_);
}

void MDI_::panel_TextEdit(const std::string& key_, int32_t Item_) {
  if (ds_.tool_name_ != "TEXT" || key_ != "AD_TEXTV") return;
  // The TEXT tool and its dialog keep line breaks as single carriage returns.
  const std::string t = panel_->textv_(Item_);
  std::string out;
  out.reserve(t.size());
  for (size_t i = 0; i < t.size(); ++i) {
    out += t[i];
    if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
  }
  ddraw_text_ = out;
}

void MDI_::panel_ComboShow() {
  if (ribbon_) ribbon_->hide_winex_();
}

void MDI_::choose_image_file_() {
  const std::string path =
      trim_blanks_(open_file_dialog_(form_->handle_(), "Wszystkie obrazy|*.bmp;*.jpg;*.tif;*.png", "*.bmp;*.jpg;*.tif;*.png"));
  if (path.empty()) return;
  image_ picture;
  if (!picture.load_(path)) return;  // the previous picture stays
  image_file_ = path;
  image_w_ = std::max(1.0f, float(picture.width_()));
  image_h_ = std::max(1.0f, float(picture.height_()));
}
