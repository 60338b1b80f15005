// Where a button's icon and caption go, its access key and its face after a move.
#include <cmath>

#include "ui/controls/button/button.h"

button_content_rec_ button_content_(int32_t width, int32_t height, flag16_ has_icon, flag16_ big_icon,
                                    bool caption_empty, int32_t caption_width) {
  button_content_rec_ c;
  const pixel_rect_ r{0, 0, width, height};
  // A centred icon's corner is the centre less half the size, floored.
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  auto centre_icon = [&](int32_t size) {
    c.icon_size = size;
    c.icon_x = static_cast<int32_t>(std::floor(cx - size / 2.0));
    c.icon_y = static_cast<int32_t>(std::floor(cy - size / 2.0));
  };
  if (has_icon != true_) {
    c.text = r;
    return c;
  }
  if (big_icon == true_) {
    // A big icon beside a caption shows neither: no host sets one.
    if (caption_empty) centre_icon(32);
    return c;
  }
  if (caption_empty) {
    centre_icon(16);
    return c;
  }
  const int32_t block = caption_width + 22;
  const int32_t left = cint32_(cx - block / 2.0);
  c.icon_size = 16;
  c.icon_x = left;
  c.icon_y = static_cast<int32_t>(std::floor(cy - 8.0));
  c.text = {left + 22, r.top, left + block, r.bottom};
  c.text_centred = false;
  return c;
}

char32_t access_key_of_(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // a doubled ampersand shows one
      continue;
    }
    const unsigned char ch = static_cast<unsigned char>(caption[i + 1]);
    if (ch >= 0x80) return 0;  // access keys are letters and digits of the key codes
    return static_cast<char32_t>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch);
  }
  return 0;
}

std::string caption_shown_(std::string_view caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // the next character stands for itself
    out += caption[i];
  }
  return out;
}

int32_t button_face_after_move_(bool inside, bool pressed) {
  if (inside) return pressed ? 4 : 2;
  return pressed ? 2 : 1;
}
