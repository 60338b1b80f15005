// Reading the skin text. Lines are forgiving: spaces anywhere are dropped, keys and values are
// case-blind, unknown keys are skipped, and a colour that cannot be read stores 0.
#include "ui/skin/skin_palette.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/core/file_io.h"
#include "shell/colors.h"

skin_palette_rec_ skin_palette_;

const skin_colour_key_rec_* skin_colour_keys_() {
#define KEY(name) {#name, &skin_palette_rec_::name}
  static const skin_colour_key_rec_ keys[] = {
      KEY(color_bgmenu), KEY(color_start_menu), KEY(color_main_menu), KEY(color_popup_menu),
      KEY(color_popup_margin), KEY(color_popup_border), KEY(color_background), KEY(color_background_ex),
      KEY(color_caption_text_enabled), KEY(color_caption_text_disabled), KEY(color_caption_text_document),
      KEY(color_tab_text_std), KEY(color_tab_text_act), KEY(color_toolbar_text), KEY(color_btn_text_std),
      KEY(color_btn_text_act), KEY(color_btn_text_chk), KEY(color_btn_text_dis), KEY(color_menu_text_std),
      KEY(color_menu_text_dis), KEY(color_stbar_text_std), KEY(color_stbar_text_chk), KEY(color_stbar_bgover),
      KEY(color_stbar_bgpress), KEY(color_stbar_txpover), KEY(color_stbar_txppress), KEY(color_error_text),
      KEY(color_arrow_drop_one), KEY(color_arrow_drop_two), KEY(color_icon_dis_one), KEY(color_icon_dis_two),
      KEY(color_icon_dis_three), KEY(color_text_border), KEY(color_foc1_border), KEY(color_foc2_border),
      KEY(color_dockbg_act), KEY(color_dockbg_dis), KEY(color_tbborder), KEY(color_tbbdist),
      KEY(color_tbbgtitle), KEY(color_tbtxtitle), KEY(color_tbtxtmenu), KEY(color_tbtxtctrl),
      KEY(color_tbtxtover), KEY(color_tbexline1), KEY(color_tbexline1o), KEY(color_tbexline1p),
      KEY(color_tbexline2), KEY(color_tbexline2o), KEY(color_tbexline2p), KEY(color_prop_bbg),
      KEY(color_prop_gbg), KEY(color_prop_r0), KEY(color_prop_r1), KEY(color_prop_gtxt), KEY(color_prop_txt),
      KEY(color_prop_lb), KEY(color_bgpanel), KEY(color_s1panel), KEY(color_s2panel), KEY(color_ssico0),
      KEY(color_ssico1), KEY(color_links), KEY(color_bshadow1), KEY(color_bshadow2), KEY(color_ttipbg),
      KEY(color_ttipbo), KEY(color_ttipbi),
  };
#undef KEY
  static_assert(sizeof(keys) / sizeof(keys[0]) == skin_colour_key_count_);
  return keys;
}

namespace {

int hex_digit_(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits up to the first other character; none reads 0.
int32_t hex_prefix_(std::string_view s) {
  int32_t v = 0;
  for (char c : s) {
    int d = hex_digit_(c);
    if (d < 0) break;
    v = v * 16 + d;
  }
  return v;
}

// The number at the start of a text: a sign, digits and a fraction; 0 when there is none.
// consumed tells how many characters it took.
double leading_number_(std::string_view s, size_t& consumed) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  double v = 0;
  bool digits = false;
  for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i, digits = true)
    v = std::fmin(v * 10 + (s[i] - '0'), 1e18);
  if (i < s.size() && s[i] == '.') {
    double scale = 0.1;
    for (++i; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i, digits = true, scale /= 10)
      v += (s[i] - '0') * scale;
  }
  consumed = digits ? i : 0;
  return digits ? (negative ? -v : v) : 0;
}

int32_t component_(double v) {
  if (!(v > 0)) return 0;
  return v >= 255 ? 255 : int32_t(round_even_(v));
}

std::string_view part_(std::string_view s, size_t from, size_t count) {
  return from >= s.size() ? std::string_view{} : s.substr(from, count);
}

std::string lower_(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

void read_line_(std::string_view raw) {
  std::string line;
  for (char c : raw)
    if (c != ' ') line += c;
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return;
  std::string key, value;
  for (char c : line.substr(0, eq))
    if (c != '=') key += c;
  for (char c : line.substr(eq + 1))
    if (c != '=') value += c;
  if (value.size() > 254) value.resize(254);
  key = lower_(key);
  value = lower_(value);

  skin_palette_rec_& p = skin_palette_;
  const flag16_ on = to_flag_(value == "true");
  if (key == "aero_enabled") p.aero_enabled = on;
  if (key == "round_corners") p.round_corners = on;
  if (key == "uppercase_tabs") p.uppercase_tabs = on;
  const skin_colour_key_rec_* keys = skin_colour_keys_();
  for (int32_t i = 0; i < skin_colour_key_count_; ++i)
    if (key == keys[i].key) p.*keys[i].field = parse_color_(value);
  if (!key.empty() && key[0] == '.') {
    size_t used = 0;
    const double n = round_even_(leading_number_(std::string_view(key).substr(1), used));
    if (n >= 0 && n <= 255) set_skin_color_(int16_t(n), parse_color_(value));
  }
}

}  // namespace

int32_t parse_color_(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  int32_t r = 0, g = 0, b = 0;
  if (!text.empty() && text[0] == '#') {
    r = hex_prefix_(part_(text, 1, 2));
    g = hex_prefix_(part_(text, 3, 2));
    b = hex_prefix_(part_(text, 5, 2));
  } else {
    size_t used = 0;
    r = component_(leading_number_(part_(text, 0, 3), used));
    // Green and blue must each be a number as a whole.
    std::string_view gs = part_(text, 3, 3), bs = part_(text, 6, 3);
    const double gv = leading_number_(gs, used);
    if (used == 0 || used != gs.size()) return 0;
    const double bv = leading_number_(bs, used);
    if (used == 0 || used != bs.size()) return 0;
    g = component_(gv);
    b = component_(bv);
  }
  return std::min(r, 255) | (std::min(g, 255) << 8) | (std::min(b, 255) << 16);
}

void parse_skin_text_bytes_(std::string_view text) {
  skin_palette_ = skin_palette_rec_{};
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    read_line_(text.substr(start, end - start));
    // CR LF ends one line, as does a lone CR or LF.
    start = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
  }
}

void parse_skin_text_(const std::string& path) {
  std::optional<std::string> text = read_file_bytes_(path, uint64_t(1) << 24);
  parse_skin_text_bytes_(text ? *text : std::string());
}
