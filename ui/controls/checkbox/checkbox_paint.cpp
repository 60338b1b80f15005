// The glyph and caption of a check box or option button, redrawn whole on every change.
#include <algorithm>
#include <vector>

#include "shell/colors.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/skin_file.h"

namespace {

// The design font: Tahoma at 8.25 points, 11 pixels of em at 96 DPI.
font_ check_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = -11;
  return f;
}

std::vector<std::string_view> caption_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (true) {
    const size_t nl = text.find('\n', start);
    std::string_view line = text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  return lines;
}

}  // namespace

void xccheckbase_::repaint_() {
  window_* w = win_();
  if (!w) return;
  xc_paint_scope_ p(*w);
  dc_& dc = p.dc();
  const bool option = option_();
  const int32_t width = p.width();
  if (skin_loaded_ == true_) {
    dc.fill_rectangle_({0, 0, width, p.height()}, static_cast<uint32_t>(skin_color_(20)));
  } else {
    dc.fill_rectangle_({0, 0, width, p.height()}, static_cast<uint32_t>(placeholder_face_()));
    const uint32_t line = static_cast<uint32_t>(placeholder_outline_());
    dc.select_pen_(pen_{pen_style_::solid_, 1, line});
    dc.select_brush_(null_brush_);
    if (option)
      dc.ellipse_(2, 2, 13, 13);  // radius 5 around (7, 7)
    else
      dc.rectangle_(2, 2, 11, 11);  // (2, 2) to (10, 10)
  }

  const font_ font = check_font();
  const font_ old_font = dc.select_font_(font);
  const auto lines = caption_lines(st_.caption);
  int32_t widest = 0;
  for (std::string_view l : lines) widest = std::max(widest, text_measurer_in_use_().width_(font, l));
  const check_layout_rec_ at = check_layout_(st_, option, width, widest);
  const int32_t state = check_glyph_state_(st_);
  int32_t text_colour = skin_color_(21);
  if (st_.enabled == true_) {
    const flag16_ frame = option ? false_ : st_.focused;
    option ? draw_option_glyph_(dc, at.glyph_x, 0, state, frame) : draw_check_glyph_(dc, at.glyph_x, 0, state, frame);
  } else {
    text_colour = blend_colors_(skin_color_(21), skin_color_(20), 0.5f);
    option ? draw_option_glyph_(dc, at.glyph_x, 0, 5, false_) : draw_check_glyph_(dc, at.glyph_x, 0, 5, false_);
  }
  dc.set_text_colour_(static_cast<uint32_t>(text_colour));
  dc.set_bk_mode_(bk_mode_::transparent_);
  const int32_t line_h = text_measurer_in_use_().metrics_(font).height;
  int32_t y = 0;
  for (size_t i = 0; i < lines.size(); ++i, y += line_h)
    dc.text_out_(i == 0 ? at.first_line_x : at.other_lines_x, y, lines[i]);
  dc.select_font_(old_font);
}
