// Reading skin files. The header is checked against the file before anything is allocated or
// changed, and the payloads go to the atlas loader from memory (no temporary files). The flag is
// set only when the atlas loader reports both pictures loaded.
#include "ui/skin/skin_file.h"

#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"
#include "platform/gdiplus/graphics.h"
#include "platform/gdiplus/image.h"
#include "shell/program_dir.h"
#include "shell/settings.h"
#include "ui/skin/skin_atlas.h"

std::string skin_file_path_;
flag16_ skin_loaded_ = false_;

namespace {

// Skin files are a few megabytes; larger files are refused rather than read.
constexpr uint64_t max_skin_bytes_ = uint64_t(64) << 20;

void put_i32_(std::string& out, int32_t v) {
  for (int i = 0; i < 4; ++i) out += char(uint32_t(v) >> (8 * i) & 0xFF);
}

}  // namespace

std::string skin_file_name_(int32_t skin_code) {
  if (skin_code == 2) return "skins/black.skin";
  if (skin_code == 1) return "skins/silver.skin";
  return "skins/blue.skin";
}

void select_skin_file_() {
  const double code = value_number_(get_setting_("kalvinor.common", "GUI", "Skin", 3.0), 3.0);
  const int32_t c = code == 1.0 ? 1 : code == 2.0 ? 2 : 3;
  std::string folder = program_dir_();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  skin_file_path_ = folder + skin_file_name_(c);
}

void scramble_skin_payload_(std::string& payload) {
  for (size_t i = 0; i < payload.size(); i += 2) payload[i] = char(255 - uint8_t(payload[i]));
}

std::string make_skin_file_(std::string_view picture, std::string_view image, std::string_view text) {
  std::string out;
  put_i32_(out, int32_t(picture.size()));
  put_i32_(out, int32_t(image.size()));
  put_i32_(out, int32_t(text.size()));
  for (std::string_view part : {picture, image, text}) {
    std::string p(part);
    scramble_skin_payload_(p);
    out += p;
  }
  return out;
}

void load_skin_file_(const std::string& path) {
  skin_loaded_ = false_;
  const std::optional<std::string> file = read_file_bytes_(path, max_skin_bytes_);
  if (!file) return;
  const std::string_view b = *file;
  byte_reader_ header(b);
  int32_t sizes[3] = {0, 0, 0};
  for (int32_t& s : sizes) header.read(s);
  if (!header.ok()) return;
  const int64_t size[3] = {sizes[0], sizes[1], sizes[2]};
  if (size[0] < 1 || size[1] < 1 || size[2] < 1) return;
  if (12 + size[0] + size[1] + size[2] > int64_t(b.size())) return;
  std::string payload[3];
  size_t at = 12;
  for (int i = 0; i < 3; ++i) {
    payload[i] = std::string(b.substr(at, size_t(size[i])));
    scramble_skin_payload_(payload[i]);
    at += size_t(size[i]);
  }
  if (load_skin_parts_bytes_(payload[0], payload[1], payload[2]) == true_) skin_loaded_ = true_;
}

void draw_image_file_(dc_& dc, const std::string& path, int32_t width, int32_t height) {
  graphics_ g(dc.target_());
  if (!g.valid_()) return;
  image_ picture;
  if (!picture.load_(path)) return;
  g.set_smooth_images_(false);
  g.draw_image_rect_(picture, 0, 0, float(width), float(height), 0, 0, float(width), float(height));
}
