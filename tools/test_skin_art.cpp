// The test skin: each distinct sprite rectangle of the family table is one flat colour, so a
// test can tell from any pixel which part was copied there. Everything else is the red key.
#include <map>
#include <tuple>

#include "tools/skin_art.h"
#include "ui/skin/sprites.h"

namespace {

constexpr uint32_t red_argb_ = 0xFFFF0000u;

// Colour k as 0xAARRGGBB: red and green count, blue stays 160, so it is never pure red.
uint32_t flat_colour_(size_t k) {
  const uint32_t r = 16 + uint32_t(k % 200), g = 16 + uint32_t(k / 200 % 200);
  return 0xFF000000u | r << 16 | g << 8 | 160u;
}

picture_image_rec_ blank_(uint32_t argb) {
  picture_image_rec_ im;
  im.width = skin_atlas_width_;
  im.height = skin_atlas_height_;
  im.argb.assign(size_t(im.width) * size_t(im.height), argb);
  return im;
}

void paint_(picture_image_rec_& im, const sprite_rect_rec_& r, uint32_t argb) {
  for (int32_t y = r.y; y < r.y + r.height; ++y)
    for (int32_t x = r.x; x < r.x + r.width; ++x)
      if (x >= 0 && y >= 0 && x < im.width && y < im.height) im.argb[size_t(y) * size_t(im.width) + size_t(x)] = argb;
}

}  // namespace

skin_pictures_rec_ make_test_skin_() {
  fill_sprite_families_();
  skin_pictures_rec_ out;
  out.picture = blank_(red_argb_);
  out.alpha = blank_(0);
  std::map<std::tuple<int, int, int, int>, uint32_t> colours;
  for (const sprite_entry_rec_& e : sprite_entries_()) {
    const auto key = std::make_tuple(e.rect.x, e.rect.y, e.rect.width, e.rect.height);
    auto it = colours.find(key);
    if (it == colours.end()) it = colours.emplace(key, flat_colour_(colours.size())).first;
    if (!e.alpha_only) paint_(out.picture, e.rect, it->second);
  }
  // The alpha atlas: the picture with its key made transparent, then the parts drawn only
  // from it.
  for (size_t i = 0; i < out.alpha.argb.size(); ++i)
    out.alpha.argb[i] = out.picture.argb[i] == red_argb_ ? 0u : out.picture.argb[i];
  for (const sprite_entry_rec_& e : sprite_entries_())
    if (e.alpha_only) paint_(out.alpha, e.rect, colours[std::make_tuple(e.rect.x, e.rect.y, e.rect.width, e.rect.height)]);

  // Every named colour and table entry, each different.
  std::string& t = out.text;
  t = "aero_enabled = false\r\nround_corners = true\r\nuppercase_tabs = false\r\n";
  const char* keys[] = {"color_bgmenu", "color_popup_menu", "color_btn_text_act", "color_menu_text_std",
                        "color_icon_dis_one", "color_icon_dis_two", "color_text_border", "color_foc1_border"};
  int n = 1;
  for (const char* k : keys) t += std::string(k) + " = 0" + std::to_string(10 + n++) + "020030\r\n";
  for (int e : {0, 3, 4, 7, 10, 11, 16, 18, 20, 21, 22, 24}) t += "." + std::to_string(e) + " = 040050" + std::to_string(100 + e) + "\r\n";
  return out;
}
