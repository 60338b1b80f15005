// Opening the value editors over a clicked row: the value list for rows whose values come
// from a fixed set, the value text box for every other row.
#include <charconv>
#include <cmath>
#include <cstdio>

#include "engine/zaz_class.h"
#include "mainwindow/properties/prop_editor.h"
#include "platform/window/window.h"
#include "shell/language.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/textbox/textbox.h"
#include "ui/skin/skin_palette.h"

namespace {

// The page scales in code order (page_scale_code_).
const char* const page_scales_[] = {"1:1",    "1:2",    "1:4",     "1:5",    "1:10",  "1:15",  "1:20",
                                    "1:30",   "1:40",   "1:50",    "1:75",   "1:100", "1:200", "1:250",
                                    "1:500",  "1:1000", "1:2000",  "1:5000", "1:10000", "2:1", "4:1",
                                    "5:1",    "8:1",    "10:1",    "100:1",  "1000:1"};

bool list_type_(int32_t type) {
  return (type >= 1 && type <= 5) || (type >= 20 && type <= 30) || type == 111 || type == 114 || type == 115;
}

// The number at the start of a value text (blanks skipped, "." the point), rounded to even.
int32_t list_value_(const std::string& text) {
  const char* s = text.c_str();
  const char* const end = s + text.size();
  while (s < end && (*s == ' ' || *s == '\t' || *s == '\n' || *s == '\r')) ++s;
  if (s < end && *s == '+') ++s;
  double v = 0;
  const auto r = std::from_chars(s, end, v, std::chars_format::fixed);
  if (r.ec != std::errc() || !std::isfinite(v)) return 0;
  return cint32_(v);
}

}  // namespace

void prop_editor_::fill_list_(int32_t type) {
  xccombobox_& c = host_.cedit();
  zaz_class_& e = host_.engine();
  const auto icon_item = [&](const char* key, int32_t value, const char* file) {
    const int32_t id = host_.icon_of(file);
    c.AddItem(lang_text_(key), value, false_, id > 0 ? -id : -1);
  };
  const auto plain = [&](const std::string& text, int32_t value) { c.AddItem(text, value, false_, -1); };
  switch (type) {
    case 1: case 2: case 21: case 22: case 23: {
      if (type == 2 || type == 23) icon_item("color.none", -2, "zaz.attr.05.0.ico");
      icon_item("color.bylayer", -4, "zaz.attr.01.0.ico");
      icon_item("color.byblock", -3, "zaz.attr.02.0.ico");
      icon_item("color.auto", -1, "zaz.attr.03.0.ico");
      const struct { const char* key; int32_t rgb; } colours[] = {
          {"color.black", 0},        {"color.red", 255},         {"color.orange", 38655},
          {"color.yellow", 65535},   {"color.green", 51200},     {"color.blue", 16711680},
          {"color.sea", 16762880},   {"color.white", 16777215}};
      for (const auto& k : colours) c.AddItem(lang_text_(k.key), k.rgb, false_, k.rgb);
      break;
    }
    case 111:
      c.AddItem(lang_text_("color.black"), 0, false_, 0);
      c.AddItem(lang_text_("color.white"), 16777215, false_, 16777215);
      break;
    case 3: case 4: {
      const char* const pre = type == 3 ? "style." : "width.";
      icon_item(type == 3 ? "style.bylayer" : "width.bylayer", -4, "zaz.attr.01.0.ico");
      icon_item(type == 3 ? "style.byblock" : "width.byblock", -3, "zaz.attr.02.0.ico");
      const char* const styles[] = {"solid", "dash", "dot", "dashdot", "dash2dot"};
      for (int32_t k = 0; k < 5; ++k) {
        const int32_t code = type == 3 ? k : k + 1;
        const std::string key = std::string(pre) + (type == 3 ? styles[k] : std::to_string(k + 1));
        const std::string file = std::string(type == 3 ? "zaz.stl." : "zaz.wid.") + std::to_string(k + 1) + "0.0.ico";
        const int32_t id = host_.icon_of(file);
        c.AddItem(lang_text_(key), code, false_, id > 0 ? -id : -1);
      }
      break;
    }
    case 5:
      for (int32_t n = 1; n <= e.layers_count_(); ++n) c.AddItem(std::to_string(n), n);
      break;
    case 20:
      for (int32_t k = 0; k <= 19; ++k) {
        char file[32];
        std::snprintf(file, sizeof file, "zaz.dim.arrow.%02da.ico", k);
        const int32_t id = k > 0 ? host_.icon_of(file) : 0;
        c.AddItem(lang_text_("adraw.dimstyle.arr." + std::to_string(k)), k, false_, id > 0 ? -id : -1);
      }
      break;
    case 24:
      for (int32_t f = 1; f <= e.font_count_(); ++f) plain(e.font_name_(f), f);
      break;
    case 25:
      for (int32_t k = 0; k <= 3; ++k) plain(lang_text_("adraw.dimstyle.text.adj.v." + std::to_string(k)), k);
      break;
    case 26:
      for (int32_t k = 0; k <= 4; ++k) plain(lang_text_("adraw.dimstyle.text.adj.h." + std::to_string(k)), k);
      break;
    case 27:
      for (int32_t k = 0; k <= 4; ++k) plain(lang_text_("adraw.dimstyle.unit.type." + std::to_string(k)), k);
      break;
    case 28: {
      // Accuracy samples in the unit type of the row's own unit (the second unit's for its row).
      int32_t rec = 0;
      e.select_fobj_(rec);
      const bool second = e.edit_itn_() == "DIM.U2PLN";
      const int32_t unit = int32_t(e.edit_prop_(rec, second ? 229 : 220).number);
      for (int32_t k = 0; k <= 8; ++k) plain(e.get_dim_acc_(uint8_t(unit), uint8_t(k)), k);
      break;
    }
    case 29:
      for (int32_t k = 0; k <= 3; ++k) plain(lang_text_("adraw.dimstyle.unit.ang." + std::to_string(k)), k);
      break;
    case 30:
      for (int32_t k = 0; k <= 8; ++k) plain(std::to_string(k), k);
      break;
    case 114:
      for (int32_t k = 0; k < 26; ++k) plain(page_scales_[k], k);
      break;
    case 115:
      for (int32_t k = 0; k <= 6; ++k) plain(unit_key_(k), k);
      break;
    default: break;
  }
}

void prop_editor_::open_list_(int32_t type, const std::string& value, int32_t x, int32_t y, int32_t w, int32_t h) {
  xccombobox_& c = host_.cedit();
  if (window_* win = c.win_()) win->move_(x, y, w, h);
  fill_list_(type);
  const int32_t id = c.FindIdByValue(list_value_(value));
  c.ListIndex(id >= 0 ? id : 0);
  if (window_* win = c.win_()) {
    win->show_();
    win->set_focus_();
  }
  c.show_combo_();
}

void prop_editor_::open_text_(const std::string& value, int32_t x, int32_t y, int32_t w, int32_t h) {
  xctextbox_& t = host_.tedit();
  window_* win = t.win_();
  if (!win) return;
  win->move_(x, y, w, h);
  t.BackColor(skin_palette_.color_prop_bbg);
  t.text(value);
  win->show_();
  t.SelectAll();
  win->set_focus_();
  tedit_GotFocus();
}

void prop_editor_::panel2_MouseDown(int16_t Button, int16_t, float X, float Y) {
  xccombobox_& c = host_.cedit();
  c.ListIndex(0);
  c.Clear();
  hide_editors_();
  const int32_t x = cint32_(X), y = cint32_(Y);
  const int32_t mode = host_.side_panel_mode();
  if (mode == 1) return blocks_press_(Button, x, y);
  if (mode != 2) return;
  host_.hide_dropdowns();
  int32_t g, i, xe, ye, we, he, type;
  std::string value;
  host_.engine().edit_click_(x, y, g, i, xe, ye, we, he, value, type);
  if (we >= 1 && he >= 1) {
    host_.focus_state(4);
    if (list_type_(type)) open_list_(type, value, xe, ye, we, he);
    else open_text_(value, xe, ye, we, he);
  }
  host_.refresh_toolbars();
  ref_edit_(false_, false_);
}

void prop_editor_::cedit_ItemClick(int32_t Item_) {
  host_.tedit().text(std::to_string(host_.cedit().ListValue(Item_)));
  tedit_KeyPress(13);
}

void prop_editor_::tedit_GotFocus() {
  host_.focus_state(4);
  host_.refresh_toolbars();
}

void prop_editor_::tedit_LostFocus() {
  host_.focus_state(0);
  host_.refresh_toolbars();
}

void prop_editor_::connect_() {
  host_.cedit().ItemClick = [this](int32_t item) { cedit_ItemClick(item); };
  host_.tedit().KeyPress = [this](int16_t key) { tedit_KeyPress(key); };
  host_.p2vsc().Scroll = [this] { p2vsc_Scroll(); };
  if (window_* w = host_.tedit().win_()) {
    w->on_focus = [this, old = w->on_focus](bool got) {
      if (old) old(got);
      if (got) tedit_GotFocus();
      else tedit_LostFocus();
    };
  }
}
