// The text box's lines, caret and selection, without a window. Every edit works on the stored
// lines, never on the masked display text, and keeps the line count within 1..256: an edit that
// would need a 257th line is refused whole, so nothing the user typed is dropped.
#include <algorithm>

#include "platform/core/codepage.h"
#include "platform/input/key_codes.h"
#include "ui/controls/textbox/textbox.h"

// ---- text helpers ----

int32_t u8_length_(std::string_view s) {
  int32_t n = 0;
  for (size_t at = 0; at < s.size();) {
    utf8_next_(s, at);
    ++n;
  }
  return n;
}

namespace {

// Byte offset of character index k (the end when k is past it).
size_t byte_at(std::string_view s, int32_t k) {
  size_t at = 0;
  for (int32_t i = 0; i < k && at < s.size(); ++i) utf8_next_(s, at);
  return at;
}

std::string trim_right_spaces(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::string trim_left_spaces(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return std::string(s.substr(i));
}

// 1-based position of the first space at or after position from, 0 for none.
int32_t find_space(std::string_view d, int32_t from) {
  int32_t pos = 0;
  for (size_t at = 0; at < d.size();) {
    const char32_t c = utf8_next_(d, at);
    if (++pos >= from && c == U' ') return pos;
  }
  return 0;
}

// 1-based position of the last space at or before position upto, 0 for none.
int32_t find_space_back(std::string_view d, int32_t upto) {
  int32_t pos = 0, found = 0;
  for (size_t at = 0; at < d.size();) {
    const char32_t c = utf8_next_(d, at);
    if (++pos > upto) break;
    if (c == U' ') found = pos;
  }
  return found;
}

}  // namespace

std::string u8_left_(std::string_view s, int32_t n) {
  if (n <= 0) return {};
  return std::string(s.substr(0, byte_at(s, n)));
}

std::string u8_mid_(std::string_view s, int32_t from, int32_t n) {
  const size_t a = byte_at(s, std::max(from, 0));
  if (n < 0) return std::string(s.substr(a));
  const size_t b = a + byte_at(s.substr(a), n);
  return std::string(s.substr(a, b - a));
}

char32_t char_lower_(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x178) return 0xFF;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 1) ? c + 1 : c;
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) return (c % 2 == 0) ? c + 1 : c;
  return c;
}

char32_t char_upper_(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 0) ? c - 1 : c;
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) return (c % 2 == 1) ? c - 1 : c;
  return c;
}

std::string normalise_breaks_(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\r') {
      if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
      out += '\n';
    } else if (c == '\n') {
      if (i + 1 < s.size() && s[i + 1] == '\r') ++i;
      out += '\n';
    } else {
      out += c;
    }
  }
  return out;
}

// ---- model ----

std::string textbox_display_line_(const textbox_state_& st, int32_t i) {
  if (i < 1 || i > textbox_max_lines_) return {};
  const std::string& line = st.lines[size_t(i)];
  if (st.password_char.empty() || static_cast<unsigned char>(st.password_char[0]) < 32) return line;
  const std::string mask = u8_left_(st.password_char, 1);
  std::string out;
  for (int32_t k = u8_length_(line); k > 0; --k) out += mask;
  return out;
}

std::string textbox_join_(const textbox_state_& st, std::string_view sep) {
  std::string out;
  for (int32_t i = 1; i <= std::clamp(st.line_count, 1, textbox_max_lines_); ++i) {
    if (i > 1) out += sep;
    out += st.lines[size_t(i)];
  }
  return out;
}

bool textbox_store_line_(textbox_state_& st, int32_t i, std::string text) {
  if (i < 1 || i > textbox_max_lines_) return false;
  st.lines[size_t(i)] = std::move(text);
  return true;
}

void textbox_split_text_(textbox_state_& st, std::string_view value) {
  std::string copy = normalise_breaks_(value);
  std::replace(copy.begin(), copy.end(), char(29), char(0));
  for (std::string& l : st.lines) l.clear();
  int32_t n = 0;
  size_t start = 0;
  while (n < textbox_max_lines_) {
    const size_t lf = copy.find('\n', start);
    st.lines[size_t(++n)] = copy.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
    if (lf == std::string::npos) break;
    start = lf + 1;
  }
  st.line_count = n;
}

void textbox_clamp_lines_(textbox_state_& st) {
  st.line_count = std::clamp(st.line_count, 1, textbox_max_lines_);
  st.top_line = std::clamp(st.top_line, 1, st.line_count);
  st.last_visible = std::max(st.last_visible, st.top_line);
}

textbox_range_ textbox_ordered_(const textbox_state_& st) {
  textbox_range_ r{st.anchor_line, st.anchor_col, st.extent_line, st.extent_col};
  if (r.sl == r.el && r.ec < r.sc) std::swap(r.sc, r.ec);
  if (r.el < r.sl) {
    std::swap(r.sl, r.el);
    std::swap(r.sc, r.ec);
  }
  return r;
}

void textbox_select_to_caret_(textbox_state_& st, int32_t shift) {
  if (st.enabled != true_) return;
  if (shift == 0 || shift == 2) {
    st.anchor_line = st.extent_line = st.caret_line;
    st.anchor_col = st.extent_col = st.caret_col;
    st.sel_length = 0;
    st.sel_text.clear();
  } else if (shift == 1 || shift == 3) {
    st.extent_line = st.caret_line;
    st.extent_col = st.caret_col;
  }
}

void textbox_move_caret_(textbox_state_& st, int32_t key, int32_t shift) {
  const bool ctrl = shift == 2 || shift == 3;
  st.caret_line = std::clamp(st.caret_line, 1, st.line_count);
  const std::string d = textbox_display_line_(st, st.caret_line);
  const int32_t len = u8_length_(d);
  int32_t& col = st.caret_col;
  col = std::clamp(col, 0, len);
  auto to_line_end = [&](int32_t line) {
    st.caret_line = line;
    col = u8_length_(textbox_display_line_(st, line));
  };
  switch (key) {
    case key_left_:
      if (ctrl && col >= 2) col = find_space_back(d, col - 1);
      else if (col >= 1) col -= 1;
      else if (st.caret_line > 1) to_line_end(st.caret_line - 1);
      break;
    case key_right_:
      if (ctrl) {
        const int32_t p = find_space(d, col + 1);
        if (p >= 1) col = p;
        else if (col < len) col = len;
        else if (st.caret_line < st.line_count) st.caret_line += 1, col = 0;
      } else if (col < len) {
        col += 1;
      } else if (st.caret_line < st.line_count) {
        st.caret_line += 1;
        col = 0;
      }
      break;
    case key_up_: st.caret_line = std::max(st.caret_line - 1, 1); break;
    case key_down_: st.caret_line = std::min(st.caret_line + 1, st.line_count); break;
    case key_home_:
      col = 0;
      if (ctrl) st.caret_line = 1;
      break;
    case key_end_:
      if (ctrl) to_line_end(st.line_count);
      else col = len;
      break;
    default: break;
  }
}

bool textbox_insert_(textbox_state_& st, char32_t c, bool caps_lock) {
  const int cp = unicode_to_cp1250_(c);
  if (cp < 32 || cp > 255) return false;
  const int32_t line = std::clamp(st.caret_line, 1, textbox_max_lines_);
  const std::string& l = st.lines[size_t(line)];
  if (st.caret_col < 0 || st.caret_col > u8_length_(l)) return false;
  if (caps_lock) c = char_lower_(c) == c ? char_upper_(c) : char_lower_(c);
  std::string ch;
  utf8_append_(ch, c);
  const size_t at = byte_at(l, st.caret_col);
  st.lines[size_t(line)] = l.substr(0, at) + ch + l.substr(at);
  st.caret_col += 1;
  return true;
}

void textbox_delete_forward_(textbox_state_& st) {
  const int32_t line = std::clamp(st.caret_line, 1, st.line_count);
  std::string& l = st.lines[size_t(line)];
  const int32_t len = u8_length_(l);
  if (st.caret_col < len) {
    const int32_t col = std::max(st.caret_col, 0);
    l = u8_left_(l, col) + u8_mid_(l, col + 1);
  } else if (line < st.line_count) {
    l += st.lines[size_t(line + 1)];
    for (int32_t i = line + 1; i < st.line_count; ++i) st.lines[size_t(i)] = std::move(st.lines[size_t(i + 1)]);
    st.lines[size_t(st.line_count)].clear();
    st.line_count -= 1;
  }
}

void textbox_delete_backward_(textbox_state_& st) {
  const int32_t line = std::clamp(st.caret_line, 1, st.line_count);
  std::string& l = st.lines[size_t(line)];
  st.caret_col = std::min(st.caret_col, u8_length_(l));
  if (st.caret_col >= 1) {
    st.caret_col -= 1;
    l = u8_left_(l, st.caret_col) + u8_mid_(l, st.caret_col + 1);
  } else if (line > 1) {
    std::string& prev = st.lines[size_t(line - 1)];
    const int32_t join = u8_length_(prev);
    prev += l;
    for (int32_t i = line; i < st.line_count; ++i) st.lines[size_t(i)] = std::move(st.lines[size_t(i + 1)]);
    st.lines[size_t(st.line_count)].clear();
    st.line_count -= 1;
    st.caret_line = line - 1;
    st.caret_col = join;
  }
}

bool textbox_split_line_(textbox_state_& st) {
  if (st.line_count >= textbox_max_lines_) return false;
  const int32_t line = std::clamp(st.caret_line, 1, st.line_count);
  const std::string l = st.lines[size_t(line)];
  const int32_t k = std::clamp(st.caret_col, 0, u8_length_(l));
  for (int32_t i = st.line_count; i > line; --i) st.lines[size_t(i + 1)] = std::move(st.lines[size_t(i)]);
  st.line_count += 1;
  st.lines[size_t(line + 1)] = trim_left_spaces(u8_mid_(l, k));
  st.lines[size_t(line)] = trim_right_spaces(u8_left_(l, k));
  st.caret_line = line + 1;
  st.caret_col = 0;
  return true;
}

std::string textbox_text_without_selection_(textbox_state_& st) {
  textbox_range_ r = textbox_ordered_(st);
  r.sl = std::clamp(r.sl, 1, st.line_count);
  r.el = std::clamp(r.el, 1, st.line_count);
  std::string out;
  for (int32_t i = 1; i <= st.line_count; ++i) {
    if (i > r.sl && i <= r.el) continue;
    if (i > 1) out += "\r\n";
    const std::string& l = st.lines[size_t(i)];
    if (i == r.sl) out += u8_left_(l, r.sc) + u8_mid_(st.lines[size_t(r.el)], r.ec);
    else out += l;
  }
  st.caret_line = r.sl;
  st.caret_col = r.sc;
  return out;
}

textbox_paste_ textbox_paste_text_(const textbox_state_& st, std::string_view p_in) {
  std::string p(p_in);
  if (st.multi_line != true_) {
    if (p.size() >= 2 && p.compare(0, 2, "\r\n") == 0) p.erase(0, 2);
    if (p.size() >= 2 && p.compare(p.size() - 2, 2, "\r\n") == 0) p.erase(p.size() - 2);
  }
  const std::string q = normalise_breaks_(p);
  textbox_paste_ r;
  const int32_t line = std::clamp(st.caret_line, 1, st.line_count);
  for (int32_t i = 1; i <= st.line_count; ++i) {
    if (i > 1) r.text += "\r\n";
    const std::string& l = st.lines[size_t(i)];
    if (i == line) r.text += u8_left_(l, st.caret_col) + p + u8_mid_(l, std::max(st.caret_col, 0));
    else r.text += l;
  }
  const int32_t u = static_cast<int32_t>(std::count(q.begin(), q.end(), '\n'));
  const size_t last = q.rfind('\n');
  const int32_t tail = u8_length_(last == std::string::npos ? std::string_view(q) : std::string_view(q).substr(last + 1));
  r.caret_line = u == 0 ? st.caret_line : st.caret_line + u;
  r.caret_col = u == 0 ? st.caret_col + tail : tail;
  r.lines = st.line_count + u;
  return r;
}

bool textbox_word_at_(std::string_view line, int32_t c, int32_t& s, int32_t& e) {
  if (line.find_first_not_of(' ') == std::string_view::npos) return false;
  const int32_t from = std::max(c, 1);
  s = find_space_back(line, from);
  e = find_space(line, from);
  if (e == 0) e = u8_length_(line);
  if (e >= 1 && u8_mid_(line, e - 1, 1) == " ") e -= 1;
  if (s >= e) e = s;
  if (e < 1) e = 0;
  return true;
}
