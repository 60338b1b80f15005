// Pictures read from files (icons, BMP, PNG, JPEG, GIF) through the platform's image readers,
// handed out as plain pixels so that code above the platform needs no image classes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One image: top-down rows, one 0xAARRGGBB value per pixel, alpha not premultiplied.
struct picture_image_rec_ {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> argb;

  uint32_t pixel_(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width && y < height ? argb[size_t(y) * size_t(width) + size_t(x)]
                                                       : 0;
  }
};

// The images of one file in file order: an icon file may hold several sizes, other files one.
struct picture_rec_ {
  std::vector<picture_image_rec_> images;

  bool empty_() const { return images.empty(); }
  // The image to draw at size pixels: the smallest whose larger side is at least size, else the
  // largest; nullptr when there is none.
  const picture_image_rec_* image_for_size_(int32_t size) const;
};

// Reads every image of an icon or cursor file, the first image of any other picture file.
// False, with out empty, when the file is missing, unreadable or not a picture.
bool load_picture_file_(const std::string& path, picture_rec_& out);

// Writes an icon file holding the images in the classic 32-bit layout (colour with alpha and
// an AND mask, which marks the fully transparent pixels), largest side at most 256 each.
// False, leaving any old file as it was, when there is no image, a size is out of range or
// the file cannot be written.
bool save_icon_file_(const std::string& path, const std::vector<picture_image_rec_>& images);
// The same for a pointer: one image with the hot spot, which must lie inside it.
bool save_cursor_file_(const std::string& path, const picture_image_rec_& image, int32_t hot_x,
                       int32_t hot_y);
// Writes one image as a PNG file (for pictures meant for people: contact sheets, previews).
bool save_png_file_(const std::string& path, const picture_image_rec_& image);
// Decodes one picture held in memory (a payload inside another file); false, with out empty,
// when the bytes are no picture or a side is larger than max_side (checked before decoding).
bool decode_picture_bytes_(std::string_view bytes, picture_image_rec_& out, int32_t max_side = 32767);
// A 24-bit bitmap file of the image (alpha dropped), or a 32-bit PNG with alpha; empty when
// the image is empty or cannot be encoded.
std::string encode_bmp24_(const picture_image_rec_& image);
std::string encode_png_(const picture_image_rec_& image);
