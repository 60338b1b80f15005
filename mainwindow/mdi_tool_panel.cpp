// The tool panel: group "ADRAW" with the current tool's rows in both interfaces; in the ribbon
// interface also the attribute lists ("ATTRS") and the view buttons ("ZOOM"). The property
// editor learns here how special colour, style and width values read, in both interfaces.
#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/panel/attr_lists.h"
#include "mainwindow/view/adraw_rows.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {

int32_t panel_icon(const char* file) { return add_icon_(icon_folder_(), file, "", 0, 0); }

struct zoom_button_rec_ {
  const char* key;
  int32_t x;
  const char* icon;
  const char* tip;
};
constexpr zoom_button_rec_ zoom_buttons[] = {
    {"ZOOM_MOVE", 0, "zaz.vzm.01.0.ico", "mdi.tool.view.move.tip"},
    {"ZOOM_ZOOM", 25, "zaz.vzm.02.0.ico", "mdi.tool.view.zoom.tip"},
    {"ZOOM_AREA", 50, "zaz.vzm.03.0.ico", "mdi.tool.view.area.tip"},
    {"ZOOM_ALL", 75, "zaz.vzm.06.0.ico", "mdi.tool.view.all.tip"},
};

}  // namespace

void MDI_::build_tool_panel_() {
  xcpanelbox_& p = *panel_;
  p.ButtonClick = [this](const std::string& k, int32_t id) { panel_ButtonClick(k, id); };
  p.CheckboxClick = [this](const std::string& k, int32_t id) { panel_CheckboxClick(k, id); };
  p.ComboItemClick = [this](const std::string& k, int32_t id) { panel_ComboItemClick(k, id); };
  p.HotBtnChange = [this](const std::string& tip) { panel_HotBtnChange(tip); };
  p.MouseDown = [this](int16_t b, int16_t s, float x, float y) { panel_MouseDown(b, s, x, y); };
  p.TextEdit = [this](const std::string& k, int32_t item) { panel_TextEdit(k, item); };
  p.ComboShow = [this] { panel_ComboShow(); };

  // The panel refuses everything until it knows the main window.
  p.mdi_window_hwnd_ = form_->handle_();
  const bool ribbon = gui_type_ < gui_classic_;
  p.add_group_("ADRAW", ribbon ? lang_text_("adraw.title") : std::string());
  if (ribbon) {
    const int32_t attrs = p.add_group_("ATTRS", lang_text_("attributes.title"));
    int32_t band = 0;
    for (const attr_list_rec_& l : attr_lists_()) {
      const std::string title = lang_text_(l.title), tip = lang_text_(std::string(l.title) + ".tip");
      p.add_item_(attrs, l.label_key, panel_label_, title, false_, "", 0, 5, band, 105, 22, 0, 0, 0, 0, true_, tip);
      p.add_item_(attrs, l.combo_key, panel_combo_, title, false_, "", 0, 5, band + 15, 105, 22, 0, 0, 0, 0, true_,
                  tip);
      band += 40;
    }
    for (size_t n = 0; n < attr_lists_().size(); ++n) {
      const attr_list_rec_& l = attr_lists_()[n];
      for (const attr_item_rec_& it : l.items) {
        if (it.code == attr_no_code_) {
          p.add_comboitem_(l.combo_key, it.key, it.text);
          continue;
        }
        if (!it.icon) {
          p.add_comboitem_(l.combo_key, it.key, lang_text_(it.text), "", false_, -1, it.colour);
          continue;
        }
        const int32_t ico = panel_icon(it.icon);
        // Style and width icons are shared: the classic lists and the property editor use them too.
        if (n == attr_style_list_) style_icons_[size_t(it.code + 5)] = ico;
        if (n == attr_width_list_) width_icons_[size_t(it.code + 5)] = ico;
        p.add_comboitem_(l.combo_key, it.key, lang_text_(it.text), "", false_, int16_t(ico));
      }
    }
  }
  // The classic interface shows the rows too: its toolbar only embeds the panel's window.
  ref_adraw_();
  if (ribbon) {
    const int32_t zoom = p.add_group_("ZOOM", lang_text_("zoomtb.title"));
    for (const zoom_button_rec_& b : zoom_buttons)
      p.add_item_(zoom, b.key, panel_button_, "", false_, "", panel_icon(b.icon), b.x, 0, 25, 25, 0, 0, 0, 0, true_,
                  lang_text_(b.tip));
  }

  // How the property editor shows the special values, as the panel does.
  const struct {
    int32_t code;
    const char* text;
    int32_t icon;
  } colours[] = {{-1, "color.auto", icon_auto_},
                 {-2, "color.none", icon_none_},
                 {-3, "color.byblock", icon_byblock_},
                 {-4, "color.bylayer", icon_bylayer_},
                 {-5, "color.none", icon_none_}};
  for (const auto& c : colours) eng_.edit_s_c_set_(c.code, lang_text_(c.text), c.icon);
  // Style and width icons come from the ribbon's lists above or the classic toolbars; one neither
  // loaded is loaded here, so the editor never shows a value without its icon. The arrow icons
  // reached the engine with the shared icons.
  const auto shared = [](int32_t& slot, const attr_item_rec_& it) {
    if (slot == 0 && it.icon) slot = panel_icon(it.icon);
    return slot;
  };
  for (const attr_item_rec_& it : attr_lists_()[attr_style_list_].items)
    eng_.edit_stl_set_(it.code, lang_text_(it.text), shared(style_icons_[size_t(it.code + 5)], it));
  for (const attr_item_rec_& it : attr_lists_()[attr_width_list_].items)
    eng_.edit_wid_set_(it.code, lang_text_(it.text), shared(width_icons_[size_t(it.code + 5)], it));
}

void MDI_::save_adraw_() {
  if (panel_->group2gid_("ADRAW") >= 1) panel_->save_settings_(adraw_tool_);
}

void MDI_::ref_adraw_() {
  const std::string now = current_tool_key_(ds_.tool_name_);
  if (panel_->group2gid_("ADRAW") < 1) return;
  // A switch nobody saved for: keep what the user left in the rows that go.
  if (!adraw_tool_.empty() && adraw_tool_ != now) save_adraw_();
  ::ref_adraw_(*panel_, {ds_.tool_name_, ddraw_text_, image_w_, image_h_});
  adraw_tool_ = now;
}
