#include <algorithm>

#include "platform/core/codepage.h"
#include "platform/gdi/font.h"

namespace {

std::string_view::size_type next_char_(std::string_view s, size_t pos) {
  utf8_next_(s, pos);
  return pos;
}

// Removes prefix marks: "&&" stands for "&", "&x" underlines x. Returns the byte range of the
// underlined character in the cleaned text (the last marked one, as later marks win).
std::string strip_prefix_(std::string_view in, size_t& mark_from, size_t& mark_to) {
  std::string out;
  mark_from = mark_to = std::string::npos;
  for (size_t i = 0; i < in.size();) {
    if (in[i] == '&') {
      if (i + 1 < in.size() && in[i + 1] == '&') {
        out += '&';
        i += 2;
        continue;
      }
      ++i;
      if (i >= in.size()) break;  // a trailing mark underlines nothing
      if (in[i] == '\n' || in[i] == '\r') continue;
      const size_t end = next_char_(in, i);
      mark_from = out.size();
      out.append(in.substr(i, end - i));
      mark_to = out.size();
      i = end;
      continue;
    }
    out += in[i++];
  }
  return out;
}

}  // namespace

text_layout_ layout_text_(const font_& font, std::string_view text, const pixel_rect_& rect, uint32_t format) {
  text_measurer_& m = text_measurer_in_use_();
  const font_metrics_ fm = m.metrics_(font);
  size_t mark_from = std::string::npos, mark_to = std::string::npos;
  std::string source(text);
  if (format & text_single_line_)  // line breaks are dropped rather than drawn as boxes
    source.erase(std::remove_if(source.begin(), source.end(), [](char c) { return c == '\n' || c == '\r'; }),
                 source.end());
  std::string clean = (format & text_no_prefix_) ? source : strip_prefix_(source, mark_from, mark_to);

  // Split into lines, remembering where each starts in the cleaned text for the underline.
  struct range_ { size_t from, to; };
  std::vector<range_> ranges;
  if (format & text_single_line_) {
    ranges.push_back({0, clean.size()});
  } else {
    size_t start = 0;
    for (size_t i = 0; i <= clean.size(); ++i) {
      if (i == clean.size() || clean[i] == '\n') {
        size_t end = i;
        if (end > start && clean[end - 1] == '\r') --end;
        ranges.push_back({start, end});
        start = i + 1;
      }
    }
    if (format & text_word_break_) {
      const int64_t room = rect.width_();
      std::vector<range_> wrapped;
      for (const range_& p : ranges) {
        size_t from = p.from;
        while (true) {
          // Take words while they fit; a word wider than the room stands on a line of its own.
          size_t end = from, best = from;
          while (end < p.to) {
            size_t w_end = end;
            while (w_end < p.to && clean[w_end] == ' ') ++w_end;
            while (w_end < p.to && clean[w_end] != ' ') ++w_end;
            if (m.width_(font, std::string_view(clean).substr(from, w_end - from)) > room && best > from) break;
            best = end = w_end;
          }
          if (best == from) best = p.to;
          size_t trimmed = best;
          while (trimmed > from && clean[trimmed - 1] == ' ') --trimmed;
          wrapped.push_back({from, trimmed});
          size_t next = best;
          while (next < p.to && clean[next] == ' ') ++next;
          if (next >= p.to) break;
          from = next;
        }
      }
      ranges = std::move(wrapped);
    }
  }
  text_layout_ out;
  const int32_t line_h = fm.height;
  const int64_t total = int64_t(line_h) * int64_t(ranges.size());
  int64_t y = rect.top;
  if (format & text_single_line_) {
    if (format & text_vcenter_) y = rect.top + (rect.height_() - line_h) / 2;
    else if (format & text_bottom_) y = rect.bottom - int64_t(line_h);
  }
  int32_t max_w = 0;
  for (const range_& p : ranges) {
    text_line_ line;
    line.text = clean.substr(p.from, p.to - p.from);
    line.width = m.width_(font, line.text);
    int64_t x = rect.left;
    if (format & text_center_) x = rect.left + (rect.width_() - line.width) / 2;
    else if (format & text_right_) x = rect.right - int64_t(line.width);
    line.x = int32_t(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX));
    line.y = int32_t(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX));
    if (mark_from != std::string::npos && mark_from >= p.from && mark_to <= p.to) {
      const std::string before = clean.substr(p.from, mark_from - p.from);
      line.underline_from = line.x + m.width_(font, before);
      line.underline_to = line.underline_from + m.width_(font, std::string_view(clean).substr(mark_from, mark_to - mark_from));
    }
    max_w = std::max(max_w, line.width);
    out.lines.push_back(std::move(line));
    y += line_h;
  }
  out.height = int32_t(std::min<int64_t>(total, INT32_MAX));
  int64_t left = rect.left;
  if (format & text_center_) left = rect.left + (rect.width_() - max_w) / 2;
  else if (format & text_right_) left = rect.right - int64_t(max_w);
  const int64_t top = out.lines.empty() ? rect.top : out.lines.front().y;
  out.bounds = {int32_t(std::clamp<int64_t>(left, INT32_MIN, INT32_MAX)), int32_t(top),
                int32_t(std::clamp<int64_t>(left + max_w, INT32_MIN, INT32_MAX)),
                int32_t(std::clamp<int64_t>(top + total, INT32_MIN, INT32_MAX))};
  return out;
}

font_metrics_ fixed_text_measurer_::metrics_(const font_& font) {
  const int32_t h = font.height == 0 ? 16 : (font.height < 0 ? -font.height : font.height);
  font_metrics_ m;
  m.height = h;
  m.ascent = h * 4 / 5;
  m.descent = h - m.ascent;
  return m;
}

int32_t fixed_text_measurer_::width_(const font_&, std::string_view text) {
  int64_t n = 0;
  for (size_t i = 0; i < text.size();) {
    utf8_next_(text, i);
    ++n;
  }
  return int32_t(std::min<int64_t>(n * char_width_px_, INT32_MAX));
}
