// Painting of the standard controls: a flat system look drawn with the device context.
#include <algorithm>

#include "platform/gdi/dc.h"
#include "platform/window/controls.h"

namespace {

constexpr uint32_t gray_text = rgb_(109, 109, 109);
constexpr uint32_t button_border = rgb_(112, 112, 112);
constexpr uint32_t box_border = rgb_(51, 51, 51);
constexpr uint32_t box_border_off = rgb_(188, 188, 188);
constexpr uint32_t box_fill = rgb_(255, 255, 255);
constexpr uint32_t box_fill_pressed = rgb_(204, 228, 247);
constexpr uint32_t frame_line = rgb_(160, 160, 160);
constexpr int32_t box_side = 13;  // check box square and option circle
constexpr int32_t box_gap = 4;    // between the box and the caption

uint32_t darker(uint32_t c) {
  auto ch = [](uint32_t v) { return static_cast<uint8_t>(v * 85 / 100); };
  return rgb_(ch(red_of_(c)), ch(green_of_(c)), ch(blue_of_(c)));
}

// A one-pixel dotted outline inside r (every other pixel), as focus is shown.
void dotted_rect(dc_& dc, const pixel_rect_& r, uint32_t colour) {
  if (r.empty_()) return;
  for (int32_t x = r.left; x < r.right; ++x) {
    if ((x - r.left) % 2 == 0) dc.set_pixel_(x, r.top, colour);
    if ((x - r.left + r.bottom - 1 - r.top) % 2 == 0) dc.set_pixel_(x, r.bottom - 1, colour);
  }
  for (int32_t y = r.top + 1; y < r.bottom - 1; ++y) {
    if ((y - r.top) % 2 == 0) dc.set_pixel_(r.left, y, colour);
    if ((r.right - 1 - r.left + y - r.top) % 2 == 0) dc.set_pixel_(r.right - 1, y, colour);
  }
}

void outline(dc_& dc, const pixel_rect_& r, uint32_t colour) {
  dc.select_pen_(pen_{pen_style_::solid_, 1, colour});
  dc.select_brush_(null_brush_);
  dc.rectangle_(r.left, r.top, r.right, r.bottom);
}

// Where a caption lands in a rectangle, for the focus outline around it.
pixel_rect_ text_bounds(dc_& dc, const std::string& text, const pixel_rect_& r, uint32_t format) {
  pixel_rect_ b = r;
  dc.draw_text_(text, b, format | text_calc_rect_);
  if (format & text_vcenter_) {
    const int32_t h = b.bottom - b.top;
    b.top = r.top + static_cast<int32_t>((r.height_() - h) / 2);
    b.bottom = b.top + h;
  }
  return b;
}

void paint_tick(dc_& dc, int32_t bx, int32_t by) {
  // Two strokes of a check mark, each two pixels thick.
  for (int32_t d = 0; d < 2; ++d) {
    dc.move_to_(bx + 3, by + 5 + d);
    dc.line_to_(bx + 5, by + 7 + d);
    dc.line_to_(bx + 10, by + 2 + d);
  }
}

}  // namespace

void control_::paint_() {
  window_* w = win_();
  if (!w) return;
  surface_& s = w->client_surface_();
  if (s.empty_()) return;
  dc_ dc(s);
  const int32_t width = s.width_(), height = s.height_();
  const pixel_rect_ all{0, 0, width, height};

  // Background: the control's colour, or for a transparent label what its parent shows.
  window_* parent = w->parent_();
  if (kind_now_ == control_kind_::label && transparent_on_ && parent) {
    const surface_& ps = parent->client_surface_();
    const pixel_rect_ mine = w->window_rect_(), theirs = parent->client_rect_();
    const int32_t ox = mine.left - theirs.left, oy = mine.top - theirs.top;
    for (int32_t y = 0; y < height; ++y)
      for (int32_t x = 0; x < width; ++x)
        s.set_argb_(x, y, ps.contains_(ox + x, oy + y) ? ps.argb_(ox + x, oy + y)
                                                       : surface_::argb_of_colour_(back_));
  } else {
    dc.fill_rectangle_(all, kind_now_ == control_kind_::command_button && pressed_ ? darker(back_) : back_);
  }

  dc.select_font_(font_now_);
  dc.set_bk_mode_(bk_mode_::transparent_);
  dc.set_text_colour_(enabled_on_ ? fore_ : gray_text);
  const uint32_t format = text_format_();
  const bool focused = focusable_() && w->has_focus_();

  switch (kind_now_) {
    case control_kind_::label: {
      pixel_rect_ r = all;
      dc.draw_text_(caption_text_, r, format);
      break;
    }
    case control_kind_::command_button: {
      outline(dc, all, enabled_on_ ? button_border : box_border_off);
      const int32_t shift = pressed_ ? 1 : 0;
      pixel_rect_ r{4 + shift, 2 + shift, width - 4 + shift, height - 2 + shift};
      dc.draw_text_(caption_text_, r, format);
      if (focused) dotted_rect(dc, {3, 3, width - 3, height - 3}, fore_);
      break;
    }
    case control_kind_::check_box:
    case control_kind_::option_button: {
      const int32_t by = (height - box_side) / 2;
      const uint32_t border = enabled_on_ ? box_border : box_border_off;
      const uint32_t fill = !enabled_on_ ? back_ : pressed_ ? box_fill_pressed : box_fill;
      if (kind_now_ == control_kind_::check_box) {
        dc.fill_rectangle_({0, by, box_side, by + box_side}, fill);
        outline(dc, {0, by, box_side, by + box_side}, border);
        dc.select_pen_(pen_{pen_style_::solid_, 1, border});
        if (value_now_ == checked_) paint_tick(dc, 0, by);
        if (value_now_ == grayed_) dc.fill_rectangle_({3, by + 3, box_side - 3, by + box_side - 3}, border);
      } else {
        dc.select_pen_(pen_{pen_style_::solid_, 1, border});
        dc.select_brush_(brush_{brush_style_::solid_, fill});
        dc.ellipse_(0, by, box_side, by + box_side);
        if (value_now_ == checked_) {
          dc.select_brush_(brush_{brush_style_::solid_, border});
          dc.ellipse_(4, by + 4, box_side - 4, by + box_side - 4);
        }
      }
      pixel_rect_ r{box_side + box_gap, 0, width, height};
      dc.draw_text_(caption_text_, r, format);
      if (focused && !caption_text_.empty()) {
        pixel_rect_ b = text_bounds(dc, caption_text_, r, format);
        dotted_rect(dc, {b.left - 1, b.top - 1, std::min(b.right + 1, width), std::min(b.bottom + 1, height)}, fore_);
      }
      break;
    }
    case control_kind_::frame: {
      const int32_t line_h = dc.text_metrics_().height;
      outline(dc, {0, line_h / 2, width, height}, frame_line);
      if (!caption_text_.empty()) {
        pixel_rect_ r{8, 0, width - 8, line_h};
        const pixel_rect_ b = text_bounds(dc, caption_text_, r, format);
        // The caption interrupts the top line.
        dc.fill_rectangle_({b.left - 2, 0, std::min(b.right + 2, width - 1), line_h}, back_);
        dc.draw_text_(caption_text_, r, format);
      }
      break;
    }
  }
}
