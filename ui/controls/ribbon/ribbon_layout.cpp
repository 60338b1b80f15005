// Where the ribbon's elements lie: each control's place in the standard and the minimal layout
// of its toolbar (fixed when it is added), the fit of the active tab's toolbars to the width,
// the bar's layout and the hit tests. Widths and sums are 32-bit; nothing here paints.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "ui/controls/ribbon/ribbon.h"

namespace {

const ribbon_rect_& rect_of(const ribbon_control_rec_& c, bool standard) { return standard ? c.std_rect : c.min_rect; }
ribbon_rect_& rect_of(ribbon_control_rec_& c, bool standard) { return standard ? c.std_rect : c.min_rect; }

bool has_arrow(int32_t type) { return type == ribbon_dropdown_button_ || type == ribbon_split_button_; }

// The first n characters (not bytes) of a UTF-8 text.
std::string_view first_chars(std::string_view s, size_t n) {
  size_t i = 0;
  for (size_t chars = 0; i < s.size() && chars < n; ++chars) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  }
  return s.substr(0, i);
}

}  // namespace

// ---- Placement of a new control: it depends only on the earlier controls of its toolbar.

void xribbon_::place_control_(int32_t id, bool standard, int32_t size_code, int32_t row) {
  ribbon_control_rec_& c = controls[id];
  ribbon_rect_& r = rect_of(c, standard);
  const int32_t big = m_.large_button_h_;
  const int32_t half = cint32_(big * 0.5);
  const int32_t small = m_.small_row_h_;
  auto earlier = [&](auto&& visit) {
    for (int32_t i = 1; i < id; ++i)
      if (controls[i].toolbar_id == c.toolbar_id) visit(rect_of(controls[i], standard));
  };

  if (c.type == ribbon_separator_) {
    int32_t x = 0;
    earlier([&](const ribbon_rect_& e) { x = std::max(x, e.right()); });
    r = {x, 2, 4, big - 4};
    return;
  }

  if (c.type == ribbon_combo_ || c.type == ribbon_group_) {
    if (standard ? (row != 1 && row != 2) : (row < 1 || row > 3)) row = 1;
    int32_t top = standard ? (row - 1) * half : (row - 1) * small;
    int32_t bottom = standard ? row * half : row * small;
    int32_t x = 0;
    earlier([&](const ribbon_rect_& e) {
      if (e.y < top || e.y + e.h > bottom) return;  // crosses the band: belongs to no row
      if (row == 1 ? e.right() + 1 >= x : e.right() >= x) x = e.right();
    });
    int32_t width = 0;
    if (c.type == ribbon_combo_) {
      width = text_width_(c.text) + 25;
    } else {
      if (x >= 1) x += 3;
      for (char ch : upper_ascii_(c.text)) width += ch == 'B' ? m_.group_button_w_ : ch == 'C' ? m_.group_combo_w_ : 0;
    }
    int32_t y = standard ? (row == 1 ? m_.row1_top_ : m_.row2_top_) : (row - 1) * small;
    r = {x, y, width, small};
    return;
  }

  // Buttons: a column scan over the earlier controls finds x and how many small controls
  // already stand in the current column (three to a column).
  int32_t x = 0, k = 0, m = 0;
  earlier([&](const ribbon_rect_& e) {
    if (e.h >= half) {
      x = e.right();
      k = m = 0;
      return;
    }
    ++k;
    m = std::max(m, e.w);
    if (k == 3) {
      x = e.x + m;
      k = m = 0;
    } else {
      x = e.x;
    }
  });
  if (size_code == ribbon_size_large_) {
    int32_t width;
    size_t blank = c.text.find(' ');
    if (blank != std::string::npos) {
      int32_t w1 = text_width_(trim_blanks_(std::string_view(c.text).substr(0, blank))) + 12;
      int32_t w2 = text_width_(trim_blanks_(first_chars(std::string_view(c.text).substr(blank + 1), 254))) + 12;
      width = w2 > w1 ? w2 + (has_arrow(c.type) ? 10 : 0) : w1 + (has_arrow(c.type) ? 5 : 0);
    } else {
      width = text_width_(c.text) + 12;
    }
    if (c.icon >= 1 && width <= 40) width = 40;
    r = {x, 0, width, big};
  } else {
    int32_t width = size_code == ribbon_size_icon_only_ ? 0 : text_width_(c.text) + 12;
    if (c.icon >= 1) width += standard ? small : m_.item_caption_min_w_;
    if (has_arrow(c.type)) width += 10;
    r = {x, k * small, width, small};
  }
}

void xribbon_::widen_toolbar_(int32_t id, bool standard) {
  const ribbon_control_rec_& c = controls[id];
  ribbon_toolbar_rec_& t = toolbars[c.toolbar_id];
  int32_t& width = standard ? t.std_width : t.min_width;
  width = std::max(width, rect_of(c, standard).right() + 5);
}

// ---- Fit: shrink from the right, first to minimal toolbars, then to collapsed ones.

void xribbon_::fit_toolbars_() {
  const int32_t w = scale_w_;
  int32_t first = 0, last = 0;
  for (int32_t i = 1; i <= toolbar_count; ++i) {
    if (!is_set_(toolbars[i].visible) || toolbars[i].tab_id != active_tab_) continue;
    toolbars[i].fit_state = toolbar_standard_;
    if (first == 0) first = i;
    last = i;
  }
  if (first == 0) return;
  int32_t minimal_from = last + 1, collapsed_from = last + 1;
  for (int32_t pass = 0; pass < toolbar_count; ++pass) {
    int64_t sum = 0;
    for (int32_t i = first; i <= last; ++i) {
      ribbon_toolbar_rec_& t = toolbars[i];
      if (!is_set_(t.visible) || t.tab_id != active_tab_) continue;
      if (i >= minimal_from) t.fit_state = toolbar_minimal_;
      if (i >= collapsed_from) t.fit_state = toolbar_collapsed_;
      sum += toolbar_width_(i);
    }
    if (sum + 12 < w) continue;
    if (first <= minimal_from)
      --minimal_from;
    else
      --collapsed_from;
  }
}

int32_t xribbon_::toolbar_width_(int32_t toolbar_id) const {
  const ribbon_toolbar_rec_& t = toolbars[toolbar_id];
  return t.fit_state == toolbar_collapsed_ ? t.collapsed_width
         : t.fit_state == toolbar_minimal_ ? t.min_width
                                           : t.std_width;
}

// ---- The bar's layout. y values are relative to the frame's top inset.

int32_t xribbon_::frame_top_offset_() const {
  if (window_id_ < 0 || window_id_ > 1024 || !hooks.frame_top_inset) return 0;
  return hooks.frame_top_inset(window_id_);
}

double xribbon_::tab_scale_() const {
  double sum = 0;
  for (int32_t i = 1; i <= tab_count; ++i) sum += tabs[i].layout_width;
  if (sum < 1) sum = 1;
  double avail = scale_w_ - (is_set_(help_icon_) ? 25 : 5) - (m_.app_button_w_ + 10);
  return std::min(std::fabs(avail / sum), 1.0);
}

void xribbon_::layout_bar_() {
  if (tab_count < 1) return;  // the edges keep the values of the last layout with tabs
  double k = tab_scale_();
  double p = m_.app_button_w_ + 2;
  for (int32_t i = 1; i <= tab_count; ++i) {
    ribbon_tab_rec_& t = tabs[i];
    double w = t.layout_width * k;
    t.left = cint32_(p);
    t.right = cint32_(t.left + std::fabs(w));
    p += w;
  }
  if (is_set_(help_icon_))
    hit.help_left = scale_w_ - 25, hit.help_top = 1, hit.help_right = scale_w_ - 1, hit.help_bottom = 22;
  else
    hit.help_left = hit.help_top = hit.help_right = hit.help_bottom = -1;
  int32_t x = 4;
  for (int32_t i = 1; i <= toolbar_count; ++i) {
    if (!is_set_(toolbars[i].visible) || !on_active_tab_(i)) continue;
    toolbars[i].left = x;
    x += toolbar_width_(i);
    toolbars[i].right = x;
    hit.body_height = scale_h_ - (m_.ribbon_top_row_h_ + 8);
  }
}

// A control's place on the bar: its toolbar's left edge (the sum of the widths before it)
// + 2, and 6 below the tab row, in the rectangle of its toolbar's state.
bool xribbon_::control_rect_on_bar_(int32_t control_id, ribbon_rect_& out) const {
  if (control_id < 1 || control_id > control_count) return false;
  const ribbon_control_rec_& c = controls[control_id];
  int32_t x = 4;
  for (int32_t i = 1; i <= toolbar_count; ++i) {
    if (!is_set_(toolbars[i].visible) || !on_active_tab_(i)) continue;
    if (i == c.toolbar_id) {
      if (toolbars[i].fit_state == toolbar_collapsed_) return false;
      const ribbon_rect_& r = rect_of(c, toolbars[i].fit_state != toolbar_minimal_);
      out = {x + 2 + r.x, m_.ribbon_top_row_h_ + 6 + r.y, r.w, r.h};
      return true;
    }
    x += toolbar_width_(i);
  }
  return false;
}

// In the collapsed-toolbar window the controls lie at their minimal rectangles, 2 right, 2 down.
bool xribbon_::control_rect_in_window_(int32_t control_id, ribbon_rect_& out) const {
  if (control_id < 1 || control_id > control_count) return false;
  const ribbon_control_rec_& c = controls[control_id];
  int32_t t = dropdown.collapsed_toolbar;
  if (c.toolbar_id != t || !on_active_tab_(t) || !is_set_(toolbars[t].visible)) return false;
  out = {c.min_rect.x + 2, c.min_rect.y + 2, c.min_rect.w, c.min_rect.h};
  return true;
}

// ---- Hit tests.

int32_t xribbon_::control_at_(int32_t x, int32_t y, bool in_window, std::string& key, int32_t& cell, flag16_& arrow) {
  hit.drop_control = 0;
  arrow = false_;
  cell = 0;
  int32_t found = 0;
  auto test = [&](int32_t id, const ribbon_rect_& r) {
    const ribbon_control_rec_& c = controls[id];
    if (c.type < 1 || x < r.x || x >= r.x + r.w || y < r.y || y >= r.y + r.h) return false;
    bool drop = false;
    if (c.type == ribbon_dropdown_button_ || c.type == ribbon_combo_)
      drop = true;
    else if (c.type == ribbon_split_button_)
      drop =
          r.h < m_.large_button_h_ / 2.0 ? x >= r.x + r.w - sprite_.split_arrow_w : y >= r.y + r.h - m_.split_drop_h_;
    hit.drop_control = drop ? id : 0;
    found = id;
    key = c.key;
    group_cell_at_(x - r.x, y - r.y, id, arrow, cell);
    if (cell >= 1 && is_set_(arrow)) hit.drop_control = id;
    return true;
  };
  ribbon_rect_ r;
  if (in_window) {
    for (int32_t i = 1; i <= control_count; ++i)
      if (control_rect_in_window_(i, r) && test(i, r)) break;
    return found;
  }
  // Toolbar by toolbar in id order, the first hit ending a toolbar's scan and a hit on a later
  // toolbar replacing the result: that is the first hit of the highest toolbar hit, found
  // here in one walk over the controls with the toolbars' left edges at hand.
  std::array<int32_t, ribbon_max_toolbars_ + 1> left_of;
  left_of.fill(-1);
  for (int32_t t = 1, left = 4; t <= toolbar_count; ++t) {
    if (!is_set_(toolbars[t].visible) || !on_active_tab_(t)) continue;
    if (toolbars[t].fit_state != toolbar_collapsed_) left_of[t] = left;
    left += toolbar_width_(t);
  }
  int32_t hit_toolbar = 0;
  for (int32_t i = 1; i <= control_count; ++i) {
    int32_t t = controls[i].toolbar_id;
    if (t <= hit_toolbar || left_of[t] < 0) continue;
    const ribbon_rect_& cr = rect_of(controls[i], toolbars[t].fit_state != toolbar_minimal_);
    if (test(i, {left_of[t] + 2 + cr.x, m_.ribbon_top_row_h_ + 6 + cr.y, cr.w, cr.h})) hit_toolbar = t;
  }
  return found;
}

void xribbon_::group_cell_at_(int32_t dx, int32_t /*dy*/, int32_t control_id, flag16_& arrow, int32_t& cell) const {
  arrow = false_;
  cell = 0;
  if (control_id < 1 || control_id > control_count || controls[control_id].type != ribbon_group_) return;
  const std::string& letters = controls[control_id].text;
  int32_t f = 0;
  for (size_t i = 0; i < letters.size(); ++i) {
    char ch = letters[i];
    int32_t w = ch == 'B' || ch == 'b' ? m_.group_button_w_ : ch == 'C' || ch == 'c' ? m_.group_combo_w_ : 0;
    if (w == 0) continue;
    if (dx >= f && dx < f + w) {
      cell = static_cast<int32_t>(i) + 1;
      if ((ch == 'C' || ch == 'c') && dx >= f + m_.group_button_w_) arrow = true_;
      return;
    }
    f += w;
  }
}

int32_t xribbon_::toolbar_at_(int32_t x, int32_t y, bool in_window) {
  hit.corner_toolbar = 0;
  const int32_t pad = m_.launcher_inset_;
  auto in_corner = [&](int32_t left, int32_t top) {
    return x >= left && x <= left + sprite_.corner_w && y >= top && y <= top + sprite_.corner_h;
  };
  if (in_window) {
    // The window paints the toolbar's frame at (1, 1) over its client less the 5-pixel
    // shadow band; the corner button is taken where that frame paints it.
    int32_t t = dropdown.collapsed_toolbar;
    if (t < 1 || t > toolbar_count || !is_set_(toolbars[t].visible) || !on_active_tab_(t)) return 0;
    int32_t painted_w = dropdown.ex1_width - 5, h = dropdown.ex1_height;
    if (x < 1 || x > 1 + painted_w || y < 2 || y >= h - 4) return 0;
    if (is_set_(toolbars[t].corner_button) &&
        in_corner(1 + painted_w - sprite_.corner_w - 2 - pad, h - sprite_.corner_h - 5 - pad))
      hit.corner_toolbar = t;
    return t;
  }
  int32_t left = 4;
  for (int32_t i = 1; i <= toolbar_count; ++i) {
    if (!is_set_(toolbars[i].visible) || !on_active_tab_(i)) continue;
    int32_t w = toolbar_width_(i);
    if (x >= left && x <= left + w && y >= m_.ribbon_top_row_h_ + 4 && y < scale_h_ - 4) {
      if (is_set_(toolbars[i].corner_button) && toolbars[i].fit_state != toolbar_collapsed_ &&
          in_corner(left + w - sprite_.corner_w - 2 - pad, scale_h_ - sprite_.corner_h - 5 - pad - frame_top_offset_()))
        hit.corner_toolbar = i;
      return i;
    }
    left += w;
  }
  return 0;
}

// ---- Widths set by the host: re-measure, move the followers, widen the toolbar, refit.

int32_t xribbon_::buttonwidth_(std::string_view btnkey_, bool stdbtn_) const {
  int32_t id = find_control_(btnkey_);
  return id ? rect_of(controls[id], stdbtn_).w : 0;
}

int32_t xribbon_::measure_button_width_(const ribbon_control_rec_& c, bool standard) const {
  std::string text = trim_blanks_(c.text);
  if (rect_of(c, standard).h >= 33) {
    int32_t width;
    size_t blank = text.find(' ');
    if (blank != std::string::npos) {
      int32_t w1 = text_width_(trim_blanks_(std::string_view(text).substr(0, blank + 1))) + 12;
      int32_t w2 = text_width_(trim_blanks_(first_chars(std::string_view(text).substr(blank), 255))) + 12;
      width = w2 > w1 ? w2 + (has_arrow(c.type) ? 10 : 0) : w1 + (has_arrow(c.type) ? 5 : 0);
    } else {
      width = text_width_(text) + 12;
    }
    if (c.icon > 0 && width <= 40) width = 40;
    return width;
  }
  return text_width_(text) + 12 + (c.icon > 0 ? 22 : 0) + (has_arrow(c.type) ? 10 : 0);
}

// The controls after the changed one's column move by the change of its right edge. A small
// button's column is found from its row band (fixed 22-pixel bands, as the layout stacks them).
void xribbon_::shift_followers_(int32_t j, bool standard) {
  const ribbon_control_rec_& c = controls[j];
  const ribbon_rect_& r = rect_of(c, standard);
  auto right_of = [&](int32_t id) {
    return id >= 1 && id <= control_count ? rect_of(controls[id], standard).right() : 0;
  };
  int32_t right = 0, n = 0;
  if (c.type >= ribbon_combo_ || r.h >= 33) {
    right = r.right();
    n = 1;
  } else {
    int32_t mid = cint32_(r.y + r.h / 2.0);
    int32_t first = 0;
    // The third band is open below: at the larger resolution the third row's middle lies
    // past 66, and a control without a band would drag its whole column to x = 0.
    if (mid >= 0 && mid <= 22)
      first = j, n = 3;
    else if (mid > 22 && mid <= 44)
      first = j - 1, n = 2;
    else if (mid > 44)
      first = j - 2, n = 1;
    if (n > 0) right = std::max({0, right_of(first), right_of(first + 1), right_of(first + 2)});
  }
  int32_t next = j + n;
  if (next > control_count) return;  // no control after the column
  int32_t shift = right - rect_of(controls[next], standard).x;
  for (int32_t i = next; i <= control_count; ++i)
    if (controls[i].toolbar_id == c.toolbar_id) rect_of(controls[i], standard).x += shift;
}

void xribbon_::buttonwidth_(std::string_view btnkey_, bool stdbtn_, int32_t nval_) {
  if (int32_t id = find_control_(btnkey_)) {
    ribbon_control_rec_& c = controls[id];
    rect_of(c, stdbtn_).w = nval_ >= 1 ? nval_ : measure_button_width_(c, stdbtn_);
    shift_followers_(id, stdbtn_);
    ribbon_toolbar_rec_& t = toolbars[c.toolbar_id];
    t.std_width = t.min_width = 0;
    for (int32_t i = 1; i <= control_count; ++i) {
      if (controls[i].toolbar_id != c.toolbar_id) continue;
      t.std_width = std::max(t.std_width, controls[i].std_rect.right() + 7);
      t.min_width = std::max(t.min_width, controls[i].min_rect.right() + 7);
    }
  }
  fit_toolbars_();
}

void xribbon_::set_scale_size_(int32_t width, int32_t height) {
  scale_w_ = width;
  scale_h_ = height;
}
