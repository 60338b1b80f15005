// What the user does to the layers: the click on a cell, the popup commands, renaming in place,
// add and delete with their checks. Only add and delete make undo steps.
#include <cstring>

#include "dialogs/layers/ex_layers.h"
#include "engine/zaz_class.h"
#include "platform/services/dialogs.h"
#include "shell/language.h"
#include "shell/shell_text.h"

namespace {

struct named_colour_ {
  const char* name;
  int32_t colour;
};
constexpr named_colour_ named_colours_[] = {{"AUTO", -1},         {"BLACK", 0},        {"RED", 255},
                                            {"ORANGE", 38655},    {"YELLOW", 65535},   {"GREEN", 51200},
                                            {"BLUE", 16711680},   {"SEA", 16762880},   {"WHITE", 16777215}};

}  // namespace

void ex_layers_::layers__MouseMove(int32_t x, int32_t y) {
  if (y >= row_h_) {
    mouse_x_ = x;
    mouse_y_ = y + scroll_top_;
  } else {
    mouse_x_ = mouse_y_ = 0;
  }
  paint_layer_table_();
}

void ex_layers_::layers__MouseDown(int32_t y) {
  const pixel_rect_ screen = layers_->window_rect_();
  xpopup_->hide_winex_();
  paint_layer_table_();
  if (edit_->win_()) edit_->win_()->hide_();
  if (y < row_h_ || hot_row_ < 1) return;
  if (rename_layer_ == hot_row_ && hot_cell_ >= 1) {
    edit_->text(eng_.layer_title_(int16_t(hot_row_)));
    if (window_* e = edit_->win_()) {
      e->move_(edit_rect_[0], edit_rect_[1], edit_rect_[2], edit_rect_[3]);
      e->show_();
      e->set_focus_();
    }
    edit_->SelectAll();
  } else if (hot_cell_ >= 1) {
    eng_.layer_active_(int16_t(hot_row_));
    rename_layer_ = hot_row_;
  } else if (hot_cell_ == layer_cell_visible_) {
    const int16_t l = int16_t(hot_row_);
    eng_.layer_atr_vis_(l, to_flag_(!is_set_(eng_.layer_atr_vis_(l))));
  } else if (hot_cell_ == layer_cell_editable_) {
    const int16_t l = int16_t(hot_row_);
    eng_.layer_atr_edt_(l, to_flag_(!is_set_(eng_.layer_atr_edt_(l))));
  } else if (hot_cell_ <= layer_cell_dcolor_ && hot_cell_ >= layer_cell_width_) {
    mouse_pressed_ = true_;
    paint_layer_table_();
    const int32_t left = 2 + 22 + 22 + 200 + 90 * (-hot_cell_ - 3) + 2;  // the column's edge + 2
    xpopup_->show_popupmenu_(hot_cell_, screen.left + left, screen.top + hot_row_bottom_);
  }
  paint_layer_table_();
  if (host_.ref) host_.ref(0, 0);
}

void ex_layers_::layers__MouseUp() {
  mouse_pressed_ = false_;
  paint_layer_table_();
}

void ex_layers_::xpopup__PopupMenuClick(const std::string& key) {
  mouse_pressed_ = false_;
  if (popup_layer_ < 1 || popup_layer_ > eng_.layers_count_()) return;
  const int16_t l = int16_t(popup_layer_);
  const bool draw = key.rfind("DCOL.", 0) == 0, fill = key.rfind("FCOL.", 0) == 0;
  if (draw || fill) {
    const std::string name = key.substr(5);
    auto set = [&](int32_t c) { draw ? eng_.layer_atr_dcolor_(l, c) : eng_.layer_atr_fcolor_(l, c); };
    if (name == "RGB") {
      // The chooser answers -1 on cancel; every colour from 0 up is a choice, black included.
      const int32_t c = choose_colour_(form_.get(), 0);
      if (c >= 0) set(c);
    } else if (fill && name == "NONE") {
      set(-2);
    } else {
      for (const named_colour_& n : named_colours_)
        if (name == n.name) set(n.colour);
    }
  } else if (key.size() == 5 && key.rfind("STL.", 0) == 0 && key[4] >= '0' && key[4] <= '4') {
    eng_.layer_atr_style_(l, key[4] - '0');
  } else if (key.size() == 5 && key.rfind("WID.", 0) == 0 && key[4] >= '1' && key[4] <= '5') {
    eng_.layer_atr_width_(l, key[4] - '0');
  }
  paint_layer_table_();
  if (host_.ref) host_.ref(0, -1);
}

void ex_layers_::edit_commit_() {
  eng_.layer_title_(int16_t(rename_layer_), trim_blanks_(edit_->text()));
  paint_layer_table_();
  if (edit_->win_()) edit_->win_()->hide_();
}

void ex_layers_::layer_addnew__Click() {
  eng_.state_begin_();
  eng_.layer_add_(lang_text_("common.layer.new"), true_, true_, -1, -2, 0, 0);
  eng_.state_save_(lang_text_("change.layer.add"));
  rename_layer_ = eng_.layers_count_();
  paint_layer_table_();
  scroll_top_ = vsc_->scrollmax_();
  paint_layer_table_();
  vsc_->refresh_();
  if (host_.ref) host_.ref(0, 0);
}

void ex_layers_::layer_delete__Click() {
  rename_layer_ = eng_.layer_active_();
  if (eng_.layers_count_() <= 1) {
    message_box_(lang_text_("message.layerisalonecantremove"), "", box_ok_ + box_icon_info_, form_.get());
    return;
  }
  if (eng_.layer_info_(rename_layer_) >= 1) {
    message_box_(lang_text_("message.layernotemptycantremove"), "", box_ok_ + box_icon_info_, form_.get());
    return;
  }
  const std::string name =
      "'" + std::to_string(rename_layer_) + " - " + eng_.layer_title_(int16_t(rename_layer_)) + "'";
  if (message_box_(lang_text_("message.removelayerquestion", name), "", box_yes_no_, form_.get()) != answer_yes_)
    return;
  eng_.state_begin_();
  eng_.layer_delete_(rename_layer_);
  eng_.state_save_(lang_text_("change.layer.del"));
  paint_layer_table_();
  vsc_->refresh_();
  if (edit_->win_()) edit_->win_()->hide_();
  if (host_.ref) host_.ref(0, 0);
}
