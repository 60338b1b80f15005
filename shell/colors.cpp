#include "shell/colors.h"

#include <array>
#include <cmath>

#include "shell/language.h"

namespace {
std::array<int32_t, skin_color_count_> skin_colors{};

int32_t red(int32_t c) { return c & 255; }
int32_t green(int32_t c) { return (c / 256) & 255; }
int32_t blue(int32_t c) { return (c / 65536) & 255; }
constexpr int32_t rgb(int32_t r, int32_t g, int32_t b) { return r + 256 * g + 65536 * b; }
}  // namespace

int32_t blend_colors_(int32_t a, int32_t b, float t) {
  double w = std::isnan(t) ? 0.0 : t < 0 ? 0.0 : t > 1 ? 1.0 : double(t);
  auto mix = [w](int32_t x, int32_t y) { return int32_t(round_even_(x * (1 - w) + y * w)); };
  return rgb(mix(red(a), red(b)), mix(green(a), green(b)), mix(blue(a), blue(b)));
}

std::string color_to_hex_(int32_t color) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (int32_t ch : {red(color), green(color), blue(color)}) {
    out.push_back(digits[ch >> 4]);
    out.push_back(digits[ch & 15]);
  }
  return out;
}

int32_t skin_color_(int16_t index) {
  return index >= 0 && index < skin_color_count_ ? skin_colors[size_t(index)] : 0;
}

void set_skin_color_(int16_t index, int32_t color) {
  if (index >= 0 && index < skin_color_count_) skin_colors[size_t(index)] = color;
}

int32_t enabled_text_color_(flag16_ enabled) {
  if (enabled == true_) return skin_color_(21);
  return blend_colors_(skin_color_(21), skin_color_(20), 0.5f);
}

std::string date_format_(int32_t) { return "dd/mm/yyyy"; }

void start_gdiplus_() {}

std::string color_name_(int32_t color, flag16_ no_special) {
  if (color == -1) return lang_text_("color.auto");
  if (color <= -2 && color >= -5) {
    if (no_special == true_) return lang_text_("color.none");
    switch (color) {
      case -2: return lang_text_("color.none");
      case -3: return lang_text_("color.byblock");
      case -4: return lang_text_("color.bylayer");
      default: return {};
    }
  }
  struct named { int32_t color; const char* key; };
  static constexpr named palette[] = {
      {rgb(0, 0, 0), "color.black"},       {rgb(255, 0, 0), "color.red"},
      {rgb(255, 150, 0), "color.orange"},  {rgb(255, 255, 0), "color.yellow"},
      {rgb(0, 200, 0), "color.green"},     {rgb(0, 255, 0), "color.green"},
      {rgb(0, 0, 255), "color.blue"},      {rgb(0, 200, 255), "color.sea"},
      {rgb(0, 255, 255), "color.cyan"},    {rgb(192, 192, 192), "color.gray"},
      {rgb(255, 0, 255), "color.magneta"}, {rgb(128, 128, 128), "color.darkgray"},
      {rgb(255, 255, 255), "color.white"},
  };
  for (const named& n : palette)
    if (n.color == color) return lang_text_(n.key);
  return "&H" + color_to_hex_(color);
}
