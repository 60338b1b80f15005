// The tab strip's items: keys, geometry fixed when added, and the lookups the mouse uses.
#include "shell/shell_text.h"
#include "ui/controls/tabstrip/tabstrip.h"

namespace {

// The lower-case Polish letters in UTF-8 and their capitals.
constexpr std::pair<std::string_view, std::string_view> polish_caps[] = {
    {"ą", "Ą"}, {"ć", "Ć"}, {"ę", "Ę"}, {"ł", "Ł"}, {"ń", "Ń"},
    {"ó", "Ó"}, {"ś", "Ś"}, {"ź", "Ź"}, {"ż", "Ż"}};

}  // namespace

std::string tab_key_of_(std::string_view key) {
  std::string s = upper_ascii_(trim_blanks_(key));
  for (const auto& [lower, upper] : polish_caps) s = replace_all_(s, lower, upper);
  return s;
}

bool tab_add_(tab_strip_state_& s, std::string_view key, std::string_view text, int32_t icon,
              const std::function<int32_t(std::string_view)>& text_width) {
  if (s.count >= tab_item_limit_) return false;
  tab_item_rec_& it = s.items[size_t(s.count)];
  it.key = tab_key_of_(key);
  it.text = trim_blanks_(text);
  it.icon = icon;
  const int32_t width = it.text == "-" ? 4 : text_width(it.text) + 16 + (icon >= 1 ? 22 : 0);
  it.left = s.count == 0 ? 0 : s.items[size_t(s.count - 1)].right;
  it.right = it.left + width;
  ++s.count;
  return true;
}

int32_t tab_at_(const tab_strip_state_& s, int32_t x) {
  for (int32_t i = 0; i < s.count; ++i)
    if (s.items[size_t(i)].left <= x && x < s.items[size_t(i)].right) return i + 1;
  return 0;
}

std::string tab_key_(const tab_strip_state_& s, int32_t id) {
  return id >= 1 && id <= s.count ? s.items[size_t(id - 1)].key : std::string();
}

int32_t tab_index_(const tab_strip_state_& s, std::string_view key) {
  const std::string k = tab_key_of_(key);
  for (int32_t i = 0; i < s.count; ++i)
    if (s.items[size_t(i)].key == k) return i + 1;
  return 0;
}

int32_t tab_button_state_(const tab_strip_state_& s, int32_t id) {
  const bool down = s.button_down == true_;
  if (down && s.pressed != s.hover) return id == s.pressed ? 2 : 1;
  if (id == s.hover) return down ? 4 : 2;
  return 1;
}
