#include "engine/fonts/system_font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BBOX_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/core/binary_io.h"
#include "platform/core/codepage.h"

namespace {

constexpr int kTenths = 10;  // outlines in tenths of a device pixel

struct fc_match {
  std::string file;
  int index = 0;
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
};

// Our own fontconfig configuration, loaded once and released at exit.
FcConfig* fc_config() {
  struct holder {
    FcConfig* config = FcInitLoadConfigAndFonts();
    ~holder() {
      if (config) FcConfigDestroy(config);
    }
  };
  static holder h;
  return h.config;
}

bool fc_find(const std::string& face, bool bold, bool italic, fc_match& out) {
  FcConfig* config = fc_config();
  if (!config) return false;
  FcPattern* pat = FcPatternCreate();
  if (!pat) return false;
  FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult res = FcResultNoMatch;
  FcPattern* m = FcFontMatch(config, pat, &res);
  FcPatternDestroy(pat);
  if (!m) return false;
  FcChar8* file = nullptr;
  bool ok = FcPatternGetString(m, FC_FILE, 0, &file) == FcResultMatch && file;
  if (ok) {
    out.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(m, FC_INDEX, 0, &out.index);
    FcPatternGetInteger(m, FC_WEIGHT, 0, &out.weight);
    FcPatternGetInteger(m, FC_SLANT, 0, &out.slant);
  }
  FcPatternDestroy(m);
  return ok;
}

// 26.6 to 16.16, saturating at what 16.16 can hold.
int32_t to_fixed(FT_Pos v) {
  constexpr FT_Pos kLimit = FT_Pos(1) << 21;
  return int32_t(std::clamp<FT_Pos>(v, -kLimit, kLimit - 1) * 1024);
}

class freetype_outlines final : public glyph_outline_source_ {
 public:
  ~freetype_outlines() override {
    if (face_) FT_Done_Face(face_);
    if (lib_) FT_Done_FreeType(lib_);
  }

  bool open(const std::string& path, int32_t index, int32_t pixel_height) {
    if (pixel_height < 1 || pixel_height > 1000) return false;
    if (FT_Init_FreeType(&lib_) != 0) return false;
    if (FT_New_Face(lib_, path.c_str(), index, &face_) != 0) return false;
    if (!FT_IS_SCALABLE(face_)) return false;
    FT_Select_Charmap(face_, FT_ENCODING_UNICODE);
    // Unhinted outlines scale linearly: ten times the size gives tenths of a pixel.
    return FT_Set_Pixel_Sizes(face_, 0, FT_UInt(pixel_height * kTenths)) == 0;
  }
  bool embolden = false, oblique = false;

  int64_t glyph_outline(uint8_t code, outline_metrics_rec_& metrics, uint8_t* buffer,
                        uint32_t size) override {
    char32_t cp = cp1250_to_unicode_(code);
    if (cp == 0) return -1;
    FT_UInt index = FT_Get_Char_Index(face_, FT_ULong(cp));
    if (index == 0) return -1;
    if (FT_Load_Glyph(face_, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return -1;
    FT_GlyphSlot slot = face_->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return -1;
    FT_Outline& ol = slot->outline;
    if (embolden) FT_Outline_Embolden(&ol, face_->size->metrics.y_ppem * 64 / 24);
    if (oblique) {
      FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // about 12 degrees
      FT_Outline_Transform(&ol, &shear);
    }
    metrics = {};
    metrics.cell_inc_x = int16_t(std::lround(double(slot->advance.x) / 64));
    if (ol.n_contours <= 0) return 0;
    FT_BBox box;
    FT_Outline_Get_BBox(&ol, &box);
    long x0 = long(std::floor(box.xMin / 64.0)), x1 = long(std::ceil(box.xMax / 64.0));
    long y0 = long(std::floor(box.yMin / 64.0)), y1 = long(std::ceil(box.yMax / 64.0));
    metrics.black_box_x = uint32_t(x1 - x0);
    metrics.black_box_y = uint32_t(y1 - y0);
    metrics.origin_x = int32_t(x0);
    metrics.origin_y = int32_t(y1);
    std::string bytes = native_records(ol);
    if (buffer && size >= bytes.size()) std::memcpy(buffer, bytes.data(), bytes.size());
    return int64_t(bytes.size());
  }

 private:
  struct pt {
    FT_Pos x, y;
    char tag;  // FT_CURVE_TAG_ON, _CONIC or _CUBIC
  };

  static void put_point(byte_writer_& w, FT_Pos x, FT_Pos y) {
    w.put(to_fixed(x));
    w.put(to_fixed(y));
  }

  // One contour as a polygon header and its line and spline records.
  static void contour_records(const std::vector<pt>& in, byte_writer_& out) {
    const size_t n = in.size();
    std::vector<pt> cyc;  // starts on an on-curve point, ends back on it
    size_t first = n;
    for (size_t i = 0; i < n; ++i)
      if (in[i].tag == FT_CURVE_TAG_ON) { first = i; break; }
    if (first == n) {  // all control points: start halfway between the first two
      pt mid{(in[0].x + in[n > 1 ? 1 : 0].x) / 2, (in[0].y + in[n > 1 ? 1 : 0].y) / 2, FT_CURVE_TAG_ON};
      cyc.push_back(mid);
      for (size_t i = 1; i <= n; ++i) cyc.push_back(in[i % n]);
      cyc.push_back(mid);
    } else {
      for (size_t i = 0; i <= n; ++i) cyc.push_back(in[(first + i) % n]);
    }
    byte_writer_ body;
    size_t i = 1;
    while (i < cyc.size()) {
      byte_writer_ rec;
      uint16_t count = 0, type = 0;
      if (cyc[i].tag == FT_CURVE_TAG_ON) {
        type = outline_prim_line_;
        // The closing straight edge is implied by the polygon.
        while (i < cyc.size() && cyc[i].tag == FT_CURVE_TAG_ON && i + 1 < cyc.size()) {
          put_point(rec, cyc[i].x, cyc[i].y);
          ++count;
          ++i;
        }
        if (i + 1 == cyc.size() && cyc[i].tag == FT_CURVE_TAG_ON) ++i;
      } else {
        type = cyc[i].tag == FT_CURVE_TAG_CUBIC ? outline_prim_cspline_ : outline_prim_qspline_;
        while (i < cyc.size() && cyc[i].tag != FT_CURVE_TAG_ON) {
          if (cyc[i].tag == FT_CURVE_TAG_CUBIC) type = outline_prim_cspline_;
          put_point(rec, cyc[i].x, cyc[i].y);
          ++count;
          ++i;
        }
        if (i < cyc.size()) {
          put_point(rec, cyc[i].x, cyc[i].y);
          ++count;
          ++i;
        }
      }
      if (count == 0) continue;
      body.put(type);
      body.put(count);
      body.bytes(rec.data());
    }
    out.put(uint32_t(16 + body.size()));
    out.put(outline_polygon_type_);
    put_point(out, cyc[0].x, cyc[0].y);
    out.bytes(body.data());
  }

  static std::string native_records(const FT_Outline& ol) {
    byte_writer_ out;
    int start = 0;
    for (int c = 0; c < ol.n_contours; ++c) {
      int end = ol.contours[c];
      std::vector<pt> pts;
      for (int i = start; i <= end && i < ol.n_points; ++i)
        pts.push_back({ol.points[i].x, ol.points[i].y, char(FT_CURVE_TAG(ol.tags[i]))});
      start = end + 1;
      if (pts.size() >= 2) contour_records(pts, out);
    }
    return out.take();
  }

  FT_Library lib_ = nullptr;
  FT_Face face_ = nullptr;
};

}  // namespace

std::string match_system_font_file_(const std::string& face, bool bold, bool italic) {
  fc_match m;
  return fc_find(face, bold, italic, m) ? m.file : std::string();
}

std::unique_ptr<glyph_outline_source_> open_font_file_(const std::string& path, int32_t face_index,
                                                       int32_t pixel_height) {
  auto src = std::make_unique<freetype_outlines>();
  if (!src->open(path, face_index, pixel_height)) return nullptr;
  return src;
}

std::unique_ptr<glyph_outline_source_> open_system_font_(const std::string& face, int32_t pixel_height,
                                                         bool bold, bool italic, bool /*underline*/) {
  fc_match m;
  if (!fc_find(face, bold, italic, m)) return nullptr;
  auto src = std::make_unique<freetype_outlines>();
  if (!src->open(m.file, m.index, pixel_height)) return nullptr;
  src->embolden = bold && m.weight < FC_WEIGHT_DEMIBOLD;
  src->oblique = italic && m.slant == FC_SLANT_ROMAN;
  return src;
}
