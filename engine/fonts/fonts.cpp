// The drawing's font table, font files and conversions.
#include <algorithm>
#include <string>

#include "engine/fonts/font_file.h"
#include "engine/fonts/system_font.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "platform/gdi/dc.h"

int32_t zaz_class_::font_add_(const std::string& filename_) {
  font_rec_ font;
  if (!load_stroke_font_(filename_, font)) return 0;
  const int32_t total = std::max(fonts.font_total, 0);
  if (total == std::numeric_limits<int32_t>::max()) return 0;
  fonts.font_table.resize(size_t(total) + 1);  // slot 0 stays unused
  fonts.font_table.push_back(std::move(font));
  fonts.font_total = total + 1;
  fonts.active_font = fonts.font_total;
  return fonts.font_total;
}

int32_t zaz_class_::font_id_() const { return fonts.active_font; }

void zaz_class_::font_id_(int32_t nfid_) {
  if (nfid_ >= 1 && nfid_ <= fonts.font_total) fonts.active_font = nfid_;
}

std::string zaz_class_::font_name_(int32_t fid_) const {
  const font_rec_* font = font_at_(fonts, fid_);
  return font ? font->name : std::string();
}

int32_t zaz_class_::font_count_() const { return fonts.font_total; }

void zaz_class_::font_clear_() {
  fonts.font_table.clear();
  fonts.font_total = 0;
  fonts.active_font = 0;
}

int32_t zaz_class_::font_load_defaults_(const std::string& folder) {
  std::string dir = folder.empty() ? program_folder_() : folder;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  int32_t loaded = 0;
  for (const char* name : {default_font_normal_, default_font_italic_})
    if (font_add_(dir + name) != 0) ++loaded;
  if (loaded > 0) fonts.active_font = fonts.font_total - loaded + 1;
  return loaded;
}

namespace {

// The em height in pixels of a device context's font description.
int32_t em_pixels(const font_& f) {
  if (f.height < 0) return -f.height;
  return f.height > 0 ? f.height : 16;
}

std::unique_ptr<glyph_outline_source_> selected_font_outlines(const dc_& hdc) {
  const font_& f = hdc.current_font_();
  return open_system_font_(f.face, em_pixels(f), f.weight >= 600, f.italic, f.underline);
}

}  // namespace

bool zaz_class_::font_save_(const std::string& filename_, dc_* hdc_, int32_t fid_) {
  if (filename_.find_first_not_of(' ') == std::string::npos) return false;
  // Check the source before touching the file, so a bad request leaves any old file intact.
  if (fid_ >= 1) {
    const font_rec_* font = font_at_(fonts, fid_);
    if (!font) return false;
    fonts.conversion_font = *font;
  } else if (hdc_) {
    std::unique_ptr<glyph_outline_source_> source = selected_font_outlines(*hdc_);
    if (!source) return false;
    convert_outline_font_(fonts.outline, *source, fonts.conversion_font);
  }
  return save_stroke_font_(filename_, fonts.conversion_font);
}

bool zaz_class_::font_gettc4_(const std::string& tc4font_) {
  return read_glyph_description_(tc4font_, fonts.conversion_font);
}

bool zaz_class_::read_glyph_outline_(dc_& hdc, uint8_t code) {
  std::unique_ptr<glyph_outline_source_> source = selected_font_outlines(hdc);
  return source && ::read_glyph_outline_(fonts.outline, *source, code, fonts.conversion_font);
}

void zaz_class_::store_glyph_outline_(uint8_t code) {
  ::store_glyph_outline_(fonts.outline, code, fonts.conversion_font);
}
