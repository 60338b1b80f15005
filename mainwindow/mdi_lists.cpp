// The ribbon's page, layer, dimension-style and undo lists, rebuilt from the engine after every
// change, and the owner-drawn layer items. The classic interface has none of these lists.
#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "shell/language.h"
#include "shell/shell_text.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/controls/statusbar/statusbar.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_controls.h"

std::string list_item_text_(int32_t number, const std::string& title, const std::string& no_title_key) {
  const std::string t = trim_blanks_(title);
  if (t.empty()) return lang_text_(no_title_key, std::to_string(number));
  return std::to_string(number) + " - " + t;
}

void MDI_::ref_pages_() {
  xribbon_* r = ribbon_ ? &ribbon_->model() : nullptr;
  const int32_t id = r ? r->btnkey2id_("PAGE_SEL") : 0;
  const int32_t id_ex = r ? r->btnkey2id_("PAGE_SEL_EX") : 0;
  if (id >= 1) {
    r->clear_popupmenu_(id);
    if (id_ex >= 1) r->clear_popupmenu_(id_ex);
    for (int32_t i = 1; i <= eng_.pages_count_(); ++i) {
      const std::string text = list_item_text_(i, eng_.page_title_(int16_t(i)), "common.page.nr");
      r->add_popupmenuitem_(id, 0, "PAGE_" + std::to_string(i), text);
      if (id_ex >= 1) r->add_popupmenuitem_(id_ex, 0, "PAGE_EX_" + std::to_string(i), text);
      if (eng_.page_active_() == i) {
        r->buttontext_("PAGE_SEL", text);
        r->buttontext_("PAGE_SEL_EX", text);
      }
    }
  }
  if (r) {
    const int16_t p = eng_.page_active_();
    const bool landscape = eng_.page_width_(p) >= eng_.page_height_(p);
    r->buttontext_("PRINTING.PAGEORIENT",
                   lang_text_(landscape ? "mdi.tool.home.pageorient.h" : "mdi.tool.home.pageorient.v"));
    r->set_buttonicon_("PRINTING.PAGEORIENT", orient_icons_[landscape ? 1 : 0]);
  }
  statusbar_->button_checked_("GRID_VISIBLE_", eng_.view_gridvisible_());
  statusbar_->button_checked_("SNAP_GRID_", eng_.view_snap2grid_());
  statusbar_->button_checked_("SNAP_2POI_", eng_.view_snap2points_());
  statusbar_->button_checked_("SNAP_AN45_", eng_.view_snap2ang45_());
  statusbar_->button_checked_("SNAP_TRCK_", false_);
  if (ribbon_) ribbon_->refresh_();
  panel_->refresh_();
  statusbar_->refresh_();
}

namespace {
// Fills one ribbon list from a numbered table of titles.
void fill_list(xribbon_control_* ribbon, const char* control, const char* item_key, const char* no_title_key,
               int32_t count, int32_t active, const std::function<std::string(int16_t)>& title) {
  if (!ribbon) return;
  xribbon_& r = ribbon->model();
  const int32_t id = r.btnkey2id_(control);
  if (id >= 1) {
    r.buttontext_(control, "");
    r.clear_popupmenu_(id);
    for (int32_t i = 1; i <= count; ++i) {
      const std::string text = list_item_text_(i, title(int16_t(i)), no_title_key);
      r.add_popupmenuitem_(id, 0, item_key + std::to_string(i), text, "", false, -1, false, "", true, i);
      if (active == i) r.buttontext_(control, text);
    }
  }
  ribbon->refresh_();
}
}  // namespace

void MDI_::ref_layers_() {
  fill_list(ribbon_.get(), "LAYERS_LIST", "LAYER_", "common.layer.nr", eng_.layers_count_(), eng_.layer_active_(),
            [this](int16_t i) { return eng_.layer_title_(i); });
}

void MDI_::ref_dstyles_() {
  fill_list(ribbon_.get(), "DIMSTYLES_LIST", "DSTYLE_", "common.dims.nr", eng_.dimstyles_count_(),
            eng_.dimstyle_active_(), [this](int16_t i) { return eng_.dimstyles_title_(i); });
}

// At most ten undo items, nearest first, then at most ten redo items. An empty history offers
// no redo item: there is nothing to redo.
void MDI_::ref_states_() {
  if (!ribbon_) return;
  xribbon_& r = ribbon_->model();
  const int32_t id = r.btnkey2id_("UNDO");
  if (id < 1) return;
  r.clear_popupmenu_(id);
  auto add = [&](const char* prefix, int32_t group, int32_t n, int32_t state) {
    r.add_popupmenuitem_(id, group, prefix + std::to_string(n),
                         std::to_string(n) + ". " + trim_blanks_(eng_.state_item_(state)), "", false, -1, false, "",
                         true, 0, false, true);
  };
  int32_t n = 0;
  for (int32_t s = eng_.state_active_() - 1; s >= 0 && n < 10; --s) add("UNDO.", 1, ++n, s);
  if (eng_.states_count_() < 1) return;
  n = 0;
  for (int32_t s = eng_.state_active_(); s <= eng_.states_count_() && n < 10; ++s) add("REDO.", 2, ++n, s);
}

void MDI_::xribbon_UserDraw(dc_* hdc_, const std::string& key_, const std::string&, int32_t ux_, int32_t uy_,
                            int32_t uw_, int32_t uh_, int32_t value_) {
  if (key_ != "LAYERS_LIST" || !hdc_) return;
  const int16_t layer = int16_t(value_ < 1 ? eng_.layer_active_() : value_);
  draw_table_icon_(*hdc_, float(ux_ + 2), float(uy_ + 2), 16,
                   eng_.layer_atr_vis_(layer) ? layer_visible_icon_ : layer_hidden_icon_, false_, false_, true_, -1,
                   false_);
  draw_table_icon_(*hdc_, float(ux_ + 18), float(uy_ + 2), 16,
                   eng_.layer_atr_edt_(layer) ? layer_editable_icon_ : layer_locked_icon_, false_, false_, true_, -1,
                   false_);
  const std::string title = eng_.layer_title_(layer);
  const std::string text =
      std::to_string(layer) + " - " + (title.empty() ? lang_text_("common.layer.noname") : title);
  draw_edit_box_(nullptr, *hdc_, ux_, uy_, uw_, uh_, text, true_, 0, -1, -1, 0, true_, 40, true_);
}
