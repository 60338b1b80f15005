// Loading the atlas. Each step that fails is skipped; the result tells whether both pictures
// arrived, and only then are the sprite families replaced.
#include "ui/skin/skin_atlas.h"

#include "platform/core/file_io.h"
#include "platform/services/picture_file.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/sprites.h"

surface_ skin_picture_;
image_ skin_atlas_image_;

namespace {

// Skin payloads are small; anything larger is no skin part.
constexpr uint64_t max_part_bytes_ = uint64_t(64) << 20;

// Atlases are a few hundred pixels on a side; larger pictures are refused before decoding.
constexpr int32_t max_atlas_side_ = 4096;

bool picture_from_bytes_(std::string_view bytes, surface_& out) {
  picture_image_rec_ im;
  if (!decode_picture_bytes_(bytes, im, max_atlas_side_)) return false;
  surface_ s(im.width, im.height);
  if (s.width_() != im.width || s.height_() != im.height) return false;
  for (int32_t y = 0; y < im.height; ++y)
    for (int32_t x = 0; x < im.width; ++x) s.set_argb_(x, y, im.pixel_(x, y) | 0xFF000000u);
  out = std::move(s);
  return true;
}

// The alpha atlas, premultiplied as antialiased drawing wants it.
bool alpha_image_from_bytes_(std::string_view bytes, image_& out) {
  picture_image_rec_ im;
  if (!decode_picture_bytes_(bytes, im, max_atlas_side_)) return false;
  surface_ s(im.width, im.height, surface_kind_::alpha_);
  if (s.width_() != im.width || s.height_() != im.height) return false;
  for (int32_t y = 0; y < im.height; ++y)
    for (int32_t x = 0; x < im.width; ++x) {
      const uint32_t p = im.pixel_(x, y), a = p >> 24;
      auto pre = [&](int sh) { return ((((p >> sh) & 0xFFu) * a + 127) / 255) << sh; };
      s.set_argb_(x, y, a << 24 | pre(16) | pre(8) | pre(0));
    }
  out.assign_(s);
  return true;
}

}  // namespace

flag16_ load_skin_parts_bytes_(std::string_view picture, std::string_view image, std::string_view text) {
  skin_picture_ = surface_();
  if (!picture_from_bytes_(picture, skin_picture_)) return false_;
  parse_skin_text_bytes_(text);
  skin_atlas_image_ = image_();
  if (!alpha_image_from_bytes_(image, skin_atlas_image_)) return false_;
  fill_sprite_families_();
  return true_;
}

flag16_ load_skin_parts_(const std::string& picture_file, const std::string& image_file, const std::string& text_file) {
  const std::string picture = read_file_bytes_(picture_file, max_part_bytes_).value_or("");
  const std::string image = read_file_bytes_(image_file, max_part_bytes_).value_or("");
  const std::string text = read_file_bytes_(text_file, max_part_bytes_).value_or("");
  return load_skin_parts_bytes_(picture, image, text);
}

void unload_skin_parts_() {
  skin_picture_ = surface_();
  skin_atlas_image_ = image_();
  clear_sprite_families_();
}
