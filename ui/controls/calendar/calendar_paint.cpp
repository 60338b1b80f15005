// The date field (a drop-down box from the skin, with its focus frame) and the month page:
// title, navigation buttons, day cells Monday first, border and weekday headers.
#include "platform/gdi/surface.h"
#include "shell/colors.h"
#include "ui/controls/calendar/calendar.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/skin_palette.h"

namespace {

constexpr uint32_t sunday_colour = rgb_(200, 100, 0);
constexpr uint32_t header_colour = rgb_(140, 140, 140);
constexpr const char* weekday_heads[7] = {"Pn", "Wt", "Śr", "Cz", "Pt", "So", "Nd"};

font_ field_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = -11;  // 8.25 points at 96 DPI
  return f;
}

font_ page_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = -11;  // 8 points at 96 DPI
  return f;
}

// A face's corners are lightened a third towards white, which rounds them.
void round_cell_corners(dc_& dc, const calendar_cell_rec_& c) {
  const int32_t xs[2] = {c.x, c.x + c.width - 1}, ys[2] = {c.y, c.y + c.height - 1};
  for (int32_t y : ys)
    for (int32_t x : xs)
      dc.set_pixel_(x, y, static_cast<uint32_t>(blend_colors_(0xFFFFFF, static_cast<int32_t>(dc.get_pixel_(x, y)), 0.33f)));
}

void draw_arrow(dc_& dc, const calendar_cell_rec_& c, bool previous) {
  const int32_t cx = cint32_(c.x + c.width / 2.0), cy = cint32_(c.y + c.height / 2.0);
  const int32_t dir = previous ? 1 : -1;
  dc.set_pixel_(cx - 2 * dir, cy, 0);
  const int32_t lengths[4] = {3, 5, 7, 9};
  for (int32_t i = 0; i < 4; ++i) {
    const int32_t x = cx + (i - 1) * dir, half = lengths[i] / 2;
    dc.fill_rectangle_({x, cy - half, x + 1, cy + half + 1}, 0);
  }
}

}  // namespace

void xccalendar_::paint_field_(int32_t face) {
  if (face != -1) st_.face = face;
  window_* w = win_();
  if (!w) return;
  xc_paint_scope_ p(*w);
  dc_& dc = p.dc();
  const int32_t drawn = page_open_() ? 4 : (st_.face == 5 ? 1 : st_.face);
  const std::string text = calendar_date_text_(st_.current_date, calendar_date_separator_());
  const font_ old_font = dc.select_font_(field_font());
  draw_edit_box_window_(w, dc, text, st_.enabled, 0, -1, 0, drawn);
  dc.select_font_(old_font);
  if (st_.focused == true_ && st_.enabled == true_ && drawn != 4) {
    const int32_t W = p.width(), H = p.height();
    const uint32_t f1 = static_cast<uint32_t>(skin_palette_.color_foc1_border);
    const uint32_t f2 = static_cast<uint32_t>(skin_palette_.color_foc2_border);
    dc.fill_rectangle_({0, H - 1, W, H}, f1);
    dc.fill_rectangle_({W - 1, 0, W, H}, f1);
    dc.fill_rectangle_({0, 0, W, 1}, f2);
    dc.fill_rectangle_({0, 0, 1, H}, f2);
  }
}

int32_t xccalendar_::paint_page_() {
  window_* pw = page_window_();
  if (!pw) return 0;
  xc_paint_scope_ p(*pw);
  dc_& dc = p.dc();
  const int32_t page_w = p.width(), page_h = p.height();
  dc.fill_rectangle_({0, 0, page_w, page_h}, static_cast<uint32_t>(skin_color_(10)));
  const font_ font = page_font();
  const font_ old_font = dc.select_font_(font);
  dc.set_bk_mode_(bk_mode_::transparent_);
  text_measurer_& tm = text_measurer_in_use_();
  const int32_t cw = tm.width_(font, "XXX"), ch = tm.metrics_(font).height;
  const civil_date_ shown = civil_of_(st_.shown_month);
  st_.page = calendar_layout_(shown.year, shown.month, cw, ch, page_w);
  const calendar_page_layout_& l = st_.page;
  const int32_t mx = st_.page_mouse_x, my = st_.page_mouse_y;
  const int32_t under = calendar_cell_at_(l, mx, my);
  auto face = [&](const calendar_cell_rec_& c, int32_t state) {
    draw_button_skin_rect_(pw, dc, c.x, c.y, c.width, c.height, state);
    round_cell_corners(dc, c);
  };

  // Title.
  const std::string title = calendar_month_name_(shown.month) + " " + std::to_string(shown.year);
  dc.set_text_colour_(0);
  dc.text_out_(cint32_(page_w / 2.0 - tm.width_(font, title) / 2.0), 8, title);
  // Navigation.
  for (int32_t id : {-2, -1}) {
    const calendar_cell_rec_& c = l.cell(id);
    if (under == id) face(c, st_.page_pressed == true_ ? 4 : 2);
    draw_arrow(dc, c, id == -2);
  }
  // Days.
  const civil_date_ current = civil_of_(st_.current_date);
  for (int32_t day = 1; day <= 31; ++day) {
    const calendar_cell_rec_& c = l.cell(day);
    if (c.width <= 0) continue;
    if (under == day) face(c, st_.page_pressed == true_ ? 4 : 2);
    else if (st_.current_date == date_serial_(shown.year, shown.month, day) && current.day == day) face(c, 4);
    const std::string number = std::to_string(day);
    const bool sunday = weekday_monday_first_(shown.year, shown.month, day) == 7;
    dc.set_text_colour_(sunday ? sunday_colour : 0);
    dc.text_out_(cint32_(c.x + (cw + 6) / 2.0 - tm.width_(font, number) / 2.0), c.y + 3, number);
  }
  // Border and weekday headers.
  const uint32_t border = static_cast<uint32_t>(skin_color_(3));
  dc.fill_rectangle_({0, 0, page_w, 1}, border);
  dc.fill_rectangle_({0, page_h - 1, page_w, page_h}, border);
  dc.fill_rectangle_({0, 0, 1, page_h}, border);
  dc.fill_rectangle_({page_w - 1, 0, page_w, page_h}, border);
  dc.set_text_colour_(header_colour);
  for (int32_t i = 1; i <= 7; ++i) {
    const char* head = weekday_heads[i - 1];
    const double centre = (i - 1) * (cw + 6) + 8 + cw / 2.0;
    dc.text_out_(cint32_(centre - tm.width_(font, head) / 2.0), 2 * (ch + 6), head);
  }
  dc.select_font_(old_font);
  return st_.page_pressed == true_ ? under : 0;
}
