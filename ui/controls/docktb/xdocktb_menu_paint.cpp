// Painting the rows of the drop-down, end-button and sub-menu windows. Only the cursor's
// vertical position picks the highlighted row, which the painting records for the picks.
#include "platform/gdi/dc.h"
#include "shell/shell_text.h"
#include "shell/ui_metrics.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/skin_palette.h"

namespace {

struct rows_paint {
  window_* win;
  dc_* dc;
  int32_t width;
  int32_t cx, cy;
  bool plain;   // end-button menus: no text-less or owner-drawn rows
  bool arrows;  // sub-menu arrows (drop-downs only)
};

// The frame and the rows; returns the highlighted row (0 none) and its key. `draw` raises the
// owner drawing of a row.
template <class owner_draw>
int32_t paint_rows(const rows_paint& p, const std::vector<dock_menu_item_rec_>& items, std::string& hot_key,
                   owner_draw&& draw) {
  const int32_t icon_col = ui_metrics_.menu_row_h_;
  int32_t hot = 0;
  for (size_t n = 0; n < items.size(); ++n) {
    const dock_menu_item_rec_& it = items[n];
    if (it.text == "-") {
      draw_separator_line_(p.win, *p.dc, it.x + icon_col, it.y + 1, p.width - 4);
      continue;
    }
    const bool lit = hot == 0 && p.cx >= 0 && p.cy >= 0 && it.y <= p.cy && p.cy <= it.y + it.height;
    if (lit) {
      hot = int32_t(n + 1);
      hot_key = it.key;
    }
    const bool textless = !p.plain && is_set_(it.customtext);
    draw_menu_item_(*p.dc, it.x, it.y, p.width - 4, it.height, textless ? "" : it.text, icon_col,
                    textless ? 0 : it.icon, to_flag_(lit), textless ? false_ : it.check, true_,
                    textless ? "" : it.shortcut, false_, false_, to_flag_(p.arrows && !it.subs.empty()), false_);
    if (!p.plain && is_set_(it.customdraw)) draw(it, icon_col);
  }
  return hot;
}

void frame(dc_& dc, int32_t width, int32_t height) {
  reset_text_dc_(dc);
  fill_rect_(dc, 0, 0, width, height, 0xFFFFFF, skin_palette_.color_popup_border);
}

}  // namespace

void xdocktb_::paint_dropdown_(int32_t tbid, int32_t slot, window_& w, dc_& dc, int32_t width, int32_t height,
                               int32_t cx, int32_t cy) {
  if (!valid_toolbar_(tbid) || slot < 1) return;
  frame(dc, width, height);
  if (!menu_shown_(2)) {
    menu_hot_item = 0;
    menu_hot_key.clear();
  }
  const int32_t bid = slot_button_id_(tbid, slot);
  if (!valid_button_(bid)) return;
  const dock_button_rec_& b = button_(bid);
  const std::string bkey = upper_ascii_(trim_blanks_(b.key));
  std::string key;
  const int32_t hot = paint_rows({&w, &dc, width, cx, cy, false, true}, b.items, key,
                                 [&](const dock_menu_item_rec_& it, int32_t icon_col) {
                                   if (ItmDraw)
                                     ItmDraw(bid, bkey, it.key, it.value, it.text, &dc, it.x, it.y, width - 4,
                                             it.height, icon_col);
                                 });
  if (hot) {
    menu_hot_item = hot;
    menu_hot_key = key;
  }
}

void xdocktb_::paint_endbtn_menu_(int32_t t, window_& w, dc_& dc, int32_t width, int32_t height, int32_t cx,
                                  int32_t cy) {
  const int32_t u = t < 0 ? -t : t;
  if (!valid_toolbar_(u)) return;
  frame(dc, width, height);
  if (!menu_shown_(2)) {
    menu_hot_item = 0;
    menu_hot_key.clear();
  }
  std::string key;
  const int32_t hot = paint_rows({&w, &dc, width, cx, cy, true, false}, button_(-u).items, key,
                                 [](const dock_menu_item_rec_&, int32_t) {});
  if (hot) {
    menu_hot_item = hot;
    menu_hot_key = key;
  }
}

void xdocktb_::paint_submenu_(int32_t bid, int32_t item, window_& w, dc_& dc, int32_t width, int32_t height,
                              int32_t cx, int32_t cy) {
  submenu_hot_item = 0;
  submenu_hot_key.clear();
  if (!valid_button_(bid) || item < 1 || size_t(item) > button_(bid).items.size()) return;
  frame(dc, width, height);
  const dock_button_rec_& b = button_(bid);
  const std::string bkey = upper_ascii_(trim_blanks_(b.key));
  std::string key;
  const int32_t hot = paint_rows({&w, &dc, width, cx, cy, false, false}, b.items[size_t(item - 1)].subs, key,
                                 [&](const dock_menu_item_rec_& it, int32_t icon_col) {
                                   if (ItmDraw)
                                     ItmDraw(bid, bkey, it.key, it.value, it.text, &dc, it.x, it.y, width - 4,
                                             it.height, icon_col);
                                 });
  if (hot) {
    submenu_hot_item = hot;
    submenu_hot_key = key;
  }
}
