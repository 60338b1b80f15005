// Typed points: "x y", "@dx dy" relative to the last click, a trailing "e" to finish the
// figure. The point is replayed as a left click in the drawing view while the engine's cursor
// is locked to it, so the running tool takes it exactly, whatever the snapping. A point is
// taken only when both texts are numbers: "a b" or "1 2 3" would otherwise click somewhere the
// user never typed.
#include <atomic>
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_input.h"
#include "platform/services/screen.h"
#include "shell/shell_text.h"

namespace {
std::atomic<char> pinned_decimal{0};

char user_decimal() {
  if (const char d = pinned_decimal.load()) return d;
  const std::string d = decimal_separator_();
  return d.empty() ? '.' : d[0];
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// The whole text (blanks around it allowed) as a number in the given notation: sign, digits
// with grouping separators only before groups of three, decimal separator, exponent.
bool whole_number(const std::string& text, char decimal, char grouping, double& out) {
  const std::string t = trim_blanks_(text);
  std::string s;
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) s += t[i++];
  int digits = 0;
  while (i < t.size()) {
    if (digit(t[i])) {
      s += t[i++], ++digits;
    } else if (t[i] == grouping && digits > 0 && i + 3 < t.size() && digit(t[i + 1]) && digit(t[i + 2]) &&
               digit(t[i + 3]) && (i + 4 >= t.size() || !digit(t[i + 4]))) {
      ++i;
    } else {
      break;
    }
  }
  if (i < t.size() && t[i] == decimal) {
    s += '.', ++i;
    while (i < t.size() && digit(t[i])) s += t[i++], ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    s += 'e', ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) s += t[i++];
    const size_t start = i;
    while (i < t.size() && digit(t[i])) s += t[i++];
    if (i == start) return false;
  }
  if (i != t.size()) return false;
  out = std::strtod(s.c_str(), nullptr);
  return true;
}
}  // namespace

void pin_command_decimal_(char decimal) { pinned_decimal.store(decimal); }

bool command_number_(const std::string& text, float& out) {
  const char d = user_decimal();
  double v = 0;
  if (!whole_number(text, d, d == ',' ? ' ' : ',', v)) return false;
  const float f = float(v);
  if (!std::isfinite(f)) return false;
  out = f;
  return true;
}

float command_number_or_leading_(const std::string& text) {
  float v = 0;
  if (command_number_(text, v)) return v;
  // The leading-number reader of the tool rows: "." as the decimal point, blanks skipped.
  return text_to_single_in_(text, '.', '\0');
}

bool command_words_::typed_point_(MDI_& m, const std::string& text) {
  std::string word = text;
  bool relative = false, finish = false;
  if (!word.empty() && word[0] == '@') {
    relative = true;
    word = trim_blanks_(word.substr(1));
  }
  if (word.size() >= 2 && word.back() == 'e') {
    finish = true;
    word.pop_back();
  }
  const size_t p = word.find(' ');
  if (p == std::string::npos || p == 0) return false;
  float x = 0, y = 0;
  if (!command_number_(word.substr(0, p), x) || !command_number_(word.substr(p + 1), y)) return false;
  view_input_& v = m.view_input();
  if (relative) {
    const float rx = x + v.last_x_, ry = y + v.last_y_;
    if (!std::isfinite(rx) || !std::isfinite(ry)) return false;
    x = rx, y = ry;
  }
  zaz_class_& e = m.eng_;
  e.lock_xy_(x, y);
  const int32_t shift = finish ? 2 : 0;
  v.client_MouseMove(1, shift, 0, 0);
  v.client_MouseDown(1, shift, 0, 0);
  v.client_MouseUp(1, shift, 0, 0);
  e.draw_cursor_(false_);
  e.unlock_xy_();
  m.client_->update_();
  return true;
}
