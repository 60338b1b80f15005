// The classic interface builder: one loop over the classic rows. The toolbars and their buttons
// are created in the row order, which the layout file's slots and button flags refer to.
#include "mainwindow/interface/build_dock_toolbars.h"

#include <string>

#include "mainwindow/interface/dock_rows.h"
#include "platform/window/window.h"
#include "shell/files.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program.h"
#include "shell/program_dir.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/skin/skin_palette.h"

std::string dock_layout_path_() { return toolbar_layout_path_(); }

namespace {

std::string text_of_(const char* key) {
  const std::string k = key;
  if (k.empty() || k == "-") return k;
  return lang_text_(k);
}

struct dock_walk_ {
  dock_build_ctx_& c;
  xdocktb_& tb;
  std::string folder;
  std::array<int32_t, 5> attr_icons{};  // by attr_icon_*_
  int32_t toolbar = 0, button = 0, item = 0;

  int32_t load_(const dock_row_& row) const {
    if (!*row.small && !*row.large) return 0;
    return add_icon_(folder, row.small, row.large, 0, 0);
  }

  int32_t item_icon_(const dock_row_& row) {
    if (row.icon_field) return c.fields->*row.icon_field;
    if (row.shared_attr != attr_icon_none_) return attr_icons[size_t(row.shared_attr)];
    const int32_t id = load_(row);
    if (row.icon_table == code_icons_style_) c.fields->style_icons_.set_(row.icon_code, id);
    if (row.icon_table == code_icons_width_) c.fields->width_icons_.set_(row.icon_code, id);
    return id;
  }

  void add_(const dock_row_& row) {
    switch (row.kind) {
      case dock_row_kind_::toolbar:
        toolbar = tb.add_toolbar_(row.text_literal ? std::string(row.text) : text_of_(row.text), row.dock, row.row,
                                  row.x, row.y, row.menu, row.snap, row.close);
        break;
      case dock_row_kind_::variant:
        c.fields->*row.icon_field = load_(row);
        break;
      case dock_row_kind_::button: {
        int32_t icon = row.icon_field ? c.fields->*row.icon_field : load_(row);
        std::string key = row.key, text = text_of_(row.text);
        int32_t held = 0;
        if (row.holds_panel && c.panel) {
          // The panel is 119 pixels wide; the main window's layout gives it its height.
          if (window_* w = c.panel->panel_window_()) xdocktb_::resize_keep_place_(*w, 119, 0);
          held = c.panel->hwnd();
        }
        button = tb.add_button_(toolbar, key, text, row.type, &icon, row.show_text, text_of_(row.tip), row.check,
                                row.sep, row.csize, row.cwidth, row.maxitems, row.key2, held);
        if (row.cdraw) tb.button_cdraw_(button, true_);
        if (row.keep_id) c.fields->*row.keep_id = button;
        break;
      }
      case dock_row_kind_::item:
      case dock_row_kind_::subitem: {
        const int32_t icon = item_icon_(row);
        const std::string text = row.text_literal ? std::string(row.text) : text_of_(row.text);
        const std::string shortcut = text_of_(row.shortcut);
        if (row.kind == dock_row_kind_::item) {
          item = tb.add_menu_(button, row.key, text, shortcut, false, icon, false, true, row.owner_drawn);
        } else {
          tb.add_submenu_(button, item, row.key, text, shortcut, false, icon, false, true, row.owner_drawn);
        }
        if (row.keeps_toolbars_item) {
          c.fields->view_menu_bid_ = button;
          c.fields->toolbars_menu_sub_ = item;
        }
        break;
      }
    }
  }
};

}  // namespace

void build_dock_toolbars_(dock_build_ctx_& c) {
  if (!c.docktb || !c.fields) return;
  xdocktb_& tb = *c.docktb;
  if (c.set_ribbon_visible) c.set_ribbon_visible(false);
  const std::string layout = c.layout_file.empty() ? dock_layout_path_() : c.layout_file;
  if (file_exists_(layout)) tb.state_load_(layout);

  dock_walk_ walk{c, tb, c.icon_folder.empty() ? icon_folder_() : c.icon_folder};
  // The colour lists share these four: automatic, none, by block, by layer.
  walk.attr_icons[attr_icon_auto_] = add_icon_(walk.folder, "zaz.attr.03.0.ico", "", 0, 0);
  walk.attr_icons[attr_icon_empty_] = add_icon_(walk.folder, "zaz.attr.05.0.ico", "", 0, 0);
  walk.attr_icons[attr_icon_byblock_] = add_icon_(walk.folder, "zaz.attr.02.0.ico", "", 0, 0);
  walk.attr_icons[attr_icon_bylayer_] = add_icon_(walk.folder, "zaz.attr.01.0.ico", "", 0, 0);

  if (c.set_colours) c.set_colours(skin_palette_.color_background, skin_palette_.color_dockbg_act);
  for (window_* d : c.docks) {
    if (!d) continue;
    d->show_no_activate_();
    d->move_(0, 0, 0, 0);
  }
  auto handle = [](window_* w) { return w ? int32_t(w->handle_()) : 0; };
  tb.dock_(handle(c.main), handle(c.docks[0]), handle(c.docks[1]), handle(c.docks[2]), handle(c.docks[3]));

  for (const dock_row_& row : dock_rows_()) walk.add_(row);

  tb.show_toolbar_all_();
  tb.update_(true, true);
  if (c.ref_adraw) c.ref_adraw();
  if (c.build_popup_menus) c.build_popup_menus();
}
