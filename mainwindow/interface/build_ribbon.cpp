// The ribbon builder: one loop over the ribbon's rows. Every icon is loaded right before the
// item that uses it, so the icon numbers a group relies on stay consecutive.
#include "mainwindow/interface/build_ribbon.h"

#include <string>

#include "mainwindow/interface/icon_loads.h"
#include "mainwindow/interface/ribbon_rows.h"
#include "platform/core/types.h"
#include "platform/services/screen.h"
#include "platform/window/window.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "ui/controls/ribbon/ribbon.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

float ribbon_size_factor_(int32_t twips_per_pixel_x) {
  if (twips_per_pixel_x <= 0) return 1.0f;
  return 15.0f / float(twips_per_pixel_x);
}

int16_t ribbon_scaled_width_(int32_t width96, float f) {
  int16_t w = 0;
  if (!to_int_even_(double(float(width96) * f), w)) return 0;
  return w;
}

namespace {

std::string lang_or_empty_(const char* key) { return (key && *key) ? lang_text_(key) : std::string(); }
std::string lang_of_(const char* key, const char* fallback_key, const char* suffix) {
  if (key) return lang_text_(key);
  return lang_text_(std::string(fallback_key) + suffix);
}

struct ribbon_walk_ {
  ribbon_build_ctx_& c;
  xribbon_& r;
  std::string folder;
  float f = 1.0f;
  int32_t tab = 0, toolbar = 0;

  int32_t button_icon_(const ribbon_row_& row) const {
    if (row.icon_field) return c.fields->*row.icon_field;
    if (row.shared_print_icon) return c.print_icon;
    if (!*row.small && !*row.large) return 0;
    return add_icon_(folder, row.small, row.large, 0, 0);
  }

  // An item's icon argument: -n shows icon n, -1 none, 0 or more a colour square. An icon that
  // failed to load shows nothing rather than a black square.
  int32_t item_icon_(const ribbon_row_& row) const {
    if (row.swatch >= 0) return row.swatch;
    if (row.icon_field) {
      const int32_t id = c.fields->*row.icon_field;
      return id > 0 ? -id : -1;
    }
    return -1;
  }

  void add_(const ribbon_row_& row) {
    switch (row.kind) {
      case ribbon_row_kind_::tab:
        tab = r.add_tabtop_(row.key, lang_text_(row.text), lang_or_empty_(row.alt), row.shortcut);
        break;
      case ribbon_row_kind_::toolbar:
        toolbar = r.add_toolbar_(tab, row.key, lang_text_(row.text), row.type == 1, row.shortcut);
        break;
      case ribbon_row_kind_::variant:
        c.fields->*row.icon_field = add_icon_(folder, row.small, row.large, 0, 0);
        break;
      case ribbon_row_kind_::button: {
        const int32_t icon = button_icon_(row);
        r.add_button_(toolbar, row.key, lang_text_(row.text), int16_t(icon), row.size_std, row.size_min, row.type,
                      true, row.shortcut, lang_of_(row.alt, row.text, ".key"), lang_of_(row.tip, row.text, ".tip"));
        break;
      }
      case ribbon_row_kind_::group: {
        const int32_t first = load_icon_run_(folder, row.small);
        r.add_group_(toolbar, row.key, row.letters, int16_t(first), row.size_std, row.size_min);
        break;
      }
      case ribbon_row_kind_::combo:
        r.add_combo_(toolbar, row.key, lang_text_(row.text), row.size_std, row.size_min,
                     ribbon_scaled_width_(row.width_std, f), ribbon_scaled_width_(row.width_min, f), true,
                     lang_of_(row.alt, row.text, ".key"), lang_of_(row.tip, row.text, ".tip"));
        break;
      case ribbon_row_kind_::separator:
        r.add_separator_(toolbar, row.key);
        break;
      case ribbon_row_kind_::item: {
        const std::string text = std::string(row.text) == "-" ? std::string("-") : lang_text_(row.text);
        r.add_popupmenuitem_(r.btnkey2id_(row.owner), row.group, row.key, text, row.shortcut, false, item_icon_(row),
                             row.bold, {}, true, 0, row.big, false);
        break;
      }
    }
    // The flags follow their item directly.
    if (row.checked) r.buttonchecked_(row.key, true);
    if (*row.key2) r.buttonkey2_(row.key, row.key2);
    if (row.user_draw) r.buttonuserdraw_(row.key, true);
  }
};

void add_main_menu_(xribbon_& r, const std::string& folder) {
  for (const ribbon_main_row_& m : ribbon_main_rows_()) {
    if (std::string(m.key) == "-") {
      r.add_mainmenuitem_("-", "-");
      continue;
    }
    const int32_t icon = *m.icon ? add_icon_(folder, "", m.icon, 0, 0) : 0;
    r.add_mainmenuitem_(m.key, lang_text_(m.text), m.shortcut, int16_t(icon), lang_text_(m.alt));
  }
}

void add_quick_buttons_(xribbon_& r, const std::string& folder) {
  for (const ribbon_quick_row_& q : ribbon_quick_rows_()) {
    const int32_t icon = (*q.small || *q.large) ? add_icon_(folder, q.small, q.large, 0, 0) : 0;
    r.add_quickbutton_(q.key, q.text_literal ? std::string(q.text) : lang_text_(q.text), {}, int16_t(icon),
                       q.alt_literal);
  }
}

}  // namespace

void build_ribbon_(ribbon_build_ctx_& c) {
  if (!c.ribbon || !c.fields) return;
  xribbon_& r = *c.ribbon;
  if (c.set_ribbon_visible) c.set_ribbon_visible(true);
  for (window_* d : c.docks)
    if (d) d->hide_();
  ribbon_walk_ walk{c, r, c.icon_folder.empty() ? icon_folder_() : c.icon_folder};
  walk.f = ribbon_size_factor_(c.twips_per_pixel_x > 0 ? c.twips_per_pixel_x : twips_per_pixel_x_());
  r.helpicon_(true);
  add_main_menu_(r, walk.folder);
  r.set_buttonmaintext_(lang_text_("mdi.mainmenu.uiop"), lang_text_("mdi.mainmenu.exit"));
  r.buttonmaintooltip_(lang_text_("mdi.mainmenu.tip"));
  r.buttonmainaltkey_(lang_text_("mdi.mainmenu.key"));
  add_quick_buttons_(r, walk.folder);
  for (const ribbon_row_& row : ribbon_rows_()) walk.add_(row);
  if (c.build_popup_menus) c.build_popup_menus();
  if (c.panel) c.panel->rborder_(true_);
}
