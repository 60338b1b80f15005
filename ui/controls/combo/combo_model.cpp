// The combo box's item store: adding, finding, sorting and the list's height, without a window.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/core/codepage.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox.h"

combo_text_::combo_text_(double n) : is_number(true), number(n) {
  char buf[64];
  if (std::isfinite(n) && n == std::floor(n) && std::fabs(n) < 1e15)
    std::snprintf(buf, sizeof buf, "%.0f", n);
  else
    std::snprintf(buf, sizeof buf, "%.15g", n);
  text = buf;
}

std::string combo_text_of_(const combo_text_& t) { return t.text; }

int32_t combo_add_item_(combo_state_& st, combo_text_ itext, int32_t ivalue, flag16_ ibefore, int32_t icolor,
                        const combo_extra_& itext_ex, std::string_view itext_value, flag16_ del) {
  combo_item_rec_ item;
  item.text = std::move(itext);
  item.extra = itext_ex.first;
  item.extra2 = itext_ex.second;
  item.value = ivalue;
  item.colour = icolor;
  item.str_value = std::string(itext_value);
  item.hidden = del;
  const int32_t n = int32_t(st.items.size());
  int32_t at = n;
  if (ibefore == true_) {
    st.items.insert(st.items.begin(), std::move(item));
    at = 0;
  } else {
    st.items.push_back(std::move(item));
  }
  st.needs_bar = to_flag_(n >= st.max_visible);
  if (icolor != -1) st.has_colours = true_;
  return at;
}

int32_t combo_item_at_(const combo_state_& st, int32_t id) {
  return id >= 0 && id < int32_t(st.items.size()) ? id : -1;
}

int32_t combo_find_value_(const combo_state_& st, int32_t value) {
  for (size_t i = 0; i < st.items.size(); ++i)
    if (st.items[i].value == value) return int32_t(i);
  return 0;
}

int32_t combo_find_str_value_(const combo_state_& st, std::string_view value) {
  for (size_t i = 0; i < st.items.size(); ++i)
    if (st.items[i].str_value == value) return int32_t(i);
  return 0;
}

int32_t combo_find_text_(const combo_state_& st, std::string_view t) {
  for (size_t i = 0; i < st.items.size(); ++i)
    if (st.items[i].text.text == t) return int32_t(i);
  return -1;
}

namespace {

// Whether a text reads as a number (blanks around it allowed).
bool reads_as_number(const std::string& s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return false;
  const std::string t = s.substr(b, s.find_last_not_of(' ') - b + 1);
  char* end = nullptr;
  std::strtod(t.c_str(), &end);
  return end && *end == '\0' && end != t.c_str();
}

struct sort_key {
  bool numeric = false;
  double number = 0;
  std::string text;
};

sort_key key_of(const combo_text_& t) {
  sort_key k;
  if (t.is_number) {
    k.numeric = true;
    k.number = t.number;
  } else {
    k.text = combo_sort_key_(t);
  }
  return k;
}

// Numbers before texts; numbers by value, texts by their bytes (code point order).
bool greater(const sort_key& a, const sort_key& b) {
  if (a.numeric != b.numeric) return b.numeric;
  if (a.numeric) return a.number > b.number;
  return a.text > b.text;
}

}  // namespace

std::string combo_sort_key_(const combo_text_& t) {
  if (t.is_number || reads_as_number(t.text)) return t.text;
  std::string out;
  for (size_t at = 0; at < t.text.size();) {
    char32_t c = char_lower_(utf8_next_(t.text, at));
    switch (c) {
      case 0x105: c = U'a'; break;
      case 0x107: c = U'c'; break;
      case 0x119: c = U'e'; break;
      case 0x142: c = U'l'; break;
      case 0x144: c = U'n'; break;
      case 0xF3: c = U'o'; break;
      case 0x15B: c = U's'; break;
      case 0x17A: case 0x17C: c = U'z'; break;
      default: break;
    }
    utf8_append_(out, c);
  }
  return out;
}

void combo_sort_(combo_state_& st) {
  const int32_t first = 0, last = int32_t(st.items.size()) - 1;
  if (last < first) return;  // an empty list stays empty
  std::vector<sort_key> keys;
  for (const combo_item_rec_& it : st.items) keys.push_back(key_of(it.text));
  auto exchange = [&](int32_t a, int32_t b) {
    std::swap(st.items[size_t(a)], st.items[size_t(b)]);
    std::swap(keys[size_t(a)], keys[size_t(b)]);
  };
  auto sift = [&](int32_t k, int32_t end) {
    for (int32_t c = 2 * k - first + 1; c <= end; c = 2 * k - first + 1) {
      if (c < end && greater(keys[size_t(c + 1)], keys[size_t(c)])) ++c;
      if (greater(keys[size_t(k)], keys[size_t(c)])) return;
      exchange(k, c);
      k = c;
    }
  };
  for (int32_t k = (first + last) / 2; k >= first; --k) sift(k, last);
  for (int32_t e = last; e >= first + 1; --e) {
    exchange(e, first);
    sift(first, e - 1);
  }
}

int32_t combo_list_height_(const combo_state_& st, int32_t row_height) {
  int32_t shown = 0, height = 0;
  for (const combo_item_rec_& it : st.items) {
    if (it.hidden != false_) continue;
    if (++shown <= st.max_visible) height += row_height;
  }
  return height + 4;
}
