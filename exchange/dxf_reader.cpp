// The DXF reader: line ends, pairs, records, sections and the end of the import.
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <fstream>

#include "engine/zaz_class.h"
#include "exchange/dxf_import.h"
#include "exchange/engine_bridge.h"
#include "platform/core/file_io.h"
#include "platform/core/memory.h"
#include "shell/files.h"
#include "shell/language.h"
#include "shell/program_dir.h"

using namespace exchange_;

namespace {

// The first CR or LF in p[from, n), or n: eight bytes at a time, then byte by byte.
size_t line_end(const char* p, size_t from, size_t n) {
  size_t i = from;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t ones = 0x0101010101010101u, highs = 0x8080808080808080u;
    for (; i + 8 <= n; i += 8) {
      uint64_t w = 0;
      std::memcpy(&w, p + i, 8);
      const uint64_t lf = w ^ (ones * '\n'), cr = w ^ (ones * '\r');
      // The lowest flag of each word marks its first zero byte exactly.
      const uint64_t hit = (((lf - ones) & ~lf) | ((cr - ones) & ~cr)) & highs;
      if (hit) return i + static_cast<size_t>(std::countr_zero(hit) >> 3);
    }
  }
  while (i < n && p[i] != '\n' && p[i] != '\r') ++i;
  return i;
}

// The lines of a file, read block by block into one buffer that is used again and again, so
// a large drawing never needs storage of its own size (nor is the buffer cleared before each
// read: for a small drawing that clearing was most of the import); CR LF, a lone CR and a lone
// LF each end one line. Lines come two at a time (a group code and its value) and stay valid until the
// next call.
class pair_source_ {
 public:
  explicit pair_source_(const std::string& path) : file_(path) {}
  bool is_open() const { return file_.is_open(); }
  uint64_t size() const { return file_.size(); }
  uint64_t consumed() const { return base_ + pos_; }
  // The reading stopped short of the size the file had when opened (a read failed, or the
  // file shrank meanwhile).
  bool short_read() const { return eof_ && base_ + len_ != file_.size(); }

  // The first n bytes (fewer in a shorter file); call before any pair.
  std::string_view head(size_t n) {
    if (len_ == 0 && !eof_) fill();
    return std::string_view(buf_.get(), len_).substr(0, n);
  }

  // The next line and the one after it (has_second false, second empty, when the file ends
  // first). False at the end of the file.
  bool next_pair(std::string_view& first, std::string_view& second, bool& has_second) {
    keep_ = pos_;
    size_t a = 0, al = 0, b = 0, bl = 0;
    if (!line(a, al)) return false;
    has_second = line(b, bl);
    first = std::string_view(buf_.get() + keep_ + a, al);
    second = has_second ? std::string_view(buf_.get() + keep_ + b, bl) : std::string_view();
    return true;
  }

 private:
  static constexpr size_t block_ = size_t(64) << 10;

  // The next line as start and length counted from keep_ (reading on as needed).
  bool line(size_t& start, size_t& length) {
    size_t scan = pos_;
    for (;;) {
      const char* p = buf_.get();
      const size_t n = len_;
      const size_t end = line_end(p, scan, n);
      // A CR last in the buffer may be the first half of a CR LF: look at the next byte first.
      if (end < n && (p[end] == '\n' || end + 1 < n || eof_)) {
        start = pos_ - keep_, length = end - pos_;
        pos_ = end + ((p[end] == '\r' && end + 1 < n && p[end + 1] == '\n') ? 2 : 1);
        return true;
      }
      if (eof_) {
        if (pos_ >= n) return false;
        start = pos_ - keep_, length = n - pos_;
        pos_ = n;
        return true;
      }
      scan = end - keep_;  // where the search goes on once fill() has moved the kept bytes
      fill();
    }
  }

  // Drops the bytes before keep_ and reads the next block after what is left (the buffer
  // grows only for a line longer than a block).
  void fill() {
    if (keep_ > 0) {
      std::memmove(buf_.get(), buf_.get() + keep_, len_ - keep_);
      len_ -= keep_, pos_ -= keep_, base_ += keep_, keep_ = 0;
    }
    if (cap_ - len_ < block_) {
      cap_ = std::max(2 * cap_, len_ + 2 * block_);
      std::unique_ptr<char[]> more(new char[cap_]);  // not cleared: the read fills it
      if (len_) std::memcpy(more.get(), buf_.get(), len_);
      buf_ = std::move(more);
    }
    const size_t got = file_.read_into(buf_.get() + len_, block_);
    len_ += got;
    if (got < block_) eof_ = true;
  }

  regular_file_reader_ file_;
  std::unique_ptr<char[]> buf_;
  size_t len_ = 0, cap_ = 0;  // bytes held; bytes the buffer has room for
  size_t pos_ = 0, keep_ = 0;  // next byte to read; first byte the lines handed out need
  uint64_t base_ = 0;          // file offset of buf_[0]
  bool eof_ = false;
};

// Binary DXF files open with a short text ending in these bytes, then NUL.
constexpr std::string_view binary_sentinel_ = "Binary DXF\r\n\x1a";

// Whether a "0" / "SECTION" pair exists, read as the reader pairs the lines.
bool has_section(pair_source_& src) {
  std::string_view code, value;
  bool has_value = false;
  while (src.next_pair(code, value, has_value)) {
    if (!has_value) return false;
    if (dxf_trim_(code) == "0" && dxf_upper_(dxf_trim_(value)) == "SECTION") return true;
  }
  return false;
}

void end_record(zaz_class_& e, dxf_import_state_rec_& st) {
  const std::string& k = st.keyword;
  if (st.section == "TABLES") {
    if (k == "LAYER" || k == "LTYPE" || k == "DIMSTYLE") dxf_table_record_(e, st);
  } else if (st.section == "BLOCKS" || st.section == "ENTITIES") {
    dxf_entity_(e, st);
  }
}

void reset_record(zaz_class_& e, dxf_import_state_rec_& st) {
  e.vertex_clear_(false_);
  st.rec.reset();
  st.dashes.clear();
  st.in_vertex = false;
  st.mtext_chunks.clear();
  st.ovr_in_list = st.ovr_has = false;
  st.ovr_counter = st.ovr_code = 0;
}

void apply_header_variable(zaz_class_& e, dxf_import_state_rec_& st) {
  if (!st.header_var.empty()) dxf_header_variable_(e, st);
  st.header_var.clear();
}

// The records whose pairs the reader treats one by one, told apart once per record.
enum class pair_kind_ { other, polyline, lwpolyline, ltype, mtext, dimension };

pair_kind_ pair_kind(const std::string& k) {
  if (k == "POLYLINE") return pair_kind_::polyline;
  if (k == "LWPOLYLINE") return pair_kind_::lwpolyline;
  if (k == "LTYPE") return pair_kind_::ltype;
  if (k == "MTEXT") return pair_kind_::mtext;
  if (k == "DIMENSION") return pair_kind_::dimension;
  return pair_kind_::other;
}

// The group code of a pair: a code of plain digits is read straight, anything else as a
// number rounded to a whole one, as before. False when there is none.
bool group_code(std::string_view text, int32_t& code) {
  if (!text.empty() && text.size() <= 9) {
    int32_t v = 0;
    size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') v = v * 10 + (text[i++] - '0');
    if (i == text.size()) return code = v, true;
  }
  return dxf_has_number_(text) && dxf_whole_(text, code);
}

// A polyline that says how many vertices it has gets room for them at once (and for the
// first again, should it be closed), up to a bound: the count is only the file's word, and a
// file of many polylines that each claim millions must not cost megabytes apiece.
void reserve_vertices(zaz_class_& e, double count) {
  constexpr double most = double(1 << 16);
  if (!(count > 0)) return;
  std::vector<vertex_rec_>& v = e.vertices.main;
  const size_t before = v.capacity();
  v.reserve(static_cast<size_t>(std::min(count, most)) + 1);
  if (v.capacity() != before) prefault_for_write_(v.data(), v.capacity() * sizeof(vertex_rec_));
}

// A value pair of the current record, of kind `kind`.
void value_pair(zaz_class_& e, dxf_import_state_rec_& st, pair_kind_ kind, std::string_view code_text,
                std::string_view value) {
  int32_t code = 0;
  if (!group_code(code_text, code)) return;
  if (code < 0 || code > dxf_max_code_) return;
  if (kind == pair_kind_::polyline) {
    if (code == 0 && dxf_upper_(value) == "VERTEX") st.in_vertex = true;
    // Vertices belong to their polyline: they do not change its layer, colour, type or flags.
    if (st.in_vertex && (code == 8 || code == 62 || code == 6 || code == 70)) return;
  }
  st.rec.set(code, value);
  switch (kind) {
    case pair_kind_::lwpolyline:
      if (code == 90) reserve_vertices(e, st.rec.num(90));
      if (code == 20) e.vertex_add_(st.rec.f(10), st.rec.f(20), 0, false_);
      if (code == 42 && e.vertex_count_(false_) > 0) e.vertex_pa_(0, st.rec.f(42));
      break;
    case pair_kind_::polyline:
      if (code == 20) e.vertex_add_(st.rec.f(10), st.rec.f(20), 0, false_);
      break;
    case pair_kind_::ltype:
      if (code == 49 && st.dashes.size() < 6) st.dashes.push_back(std::fabs(st.rec.f(49)));
      break;
    case pair_kind_::mtext:
      if (code == 3) st.mtext_chunks.append(value);
      break;
    case pair_kind_::dimension: dxf_override_pair_(e, st); break;
    case pair_kind_::other: break;
  }
}

}  // namespace

bool zaz_class_::file_import_acdxf_(const std::string& file_) {
  if (file_exists_(file_) != true_) return false;
  // Binary DXF is not read; a file without any section is no drawing. Both leave the
  // current drawing as it is, as does a file that cannot be opened or is larger than 4 GB.
  {
    pair_source_ probe(file_);
    if (!probe.is_open() || probe.size() > (uint64_t(1) << 32)) return false;
    if (probe.head(32).find(binary_sentinel_) != std::string_view::npos) return false;
    if (!has_section(probe)) return false;
  }

  exchange.pair_counter_ = 0;
  progress_refresh_(0);
  bridge_file_new_(*this, false);
  backcolor_(0);
  page_add_("DXF", 297, 210);
  const std::string fonts = program_dir_() + "fonts/";
  bridge_font_add_(*this, fonts + "technic_normal");
  bridge_font_add_(*this, fonts + "technic_italic");
  bridge_font_id_(*this, 1);
  dxf_aci_palette_();
  exchange.linetypes.assign(1, dxf_linetype_rec_{});
  exchange.block_names.assign(1, dxf_block_entry_rec_{});
  progress_refresh_(10);

  dxf_import_state_rec_ st;
  // Read once, a block at a time; every line below is a view into the block buffer.
  pair_source_ lines(file_);
  const double length = static_cast<double>(std::max<uint64_t>(lines.size(), 1));
  std::string_view code_line, value_line;
  bool has_value = false;
  pair_kind_ kind = pair_kind_::other;  // of st.keyword
  bool in_header = false;                // st.section is HEADER
  while (lines.next_pair(code_line, value_line, has_value)) {
    if (++exchange.pair_counter_ % 1000 == 0)
      progress_refresh_(static_cast<int32_t>(round_even_(10 + 90 * double(lines.consumed()) / length)));
    const std::string_view code = dxf_trim_(code_line);
    const std::string_view value = dxf_trim_(value_line);
    if (in_header && code == "9" && !value.empty() && value[0] == '$') {
      apply_header_variable(*this, st);
      st.rec.clear();
      st.header_var = dxf_upper_(value);
      continue;
    }
    if (code == "0" && dxf_keyword_test_(value)) {
      // A header variable ends where the next record starts: apply it while its values are
      // still held, before the record slots are emptied.
      if (in_header) apply_header_variable(*this, st);
      end_record(*this, st);
      reset_record(*this, st);
      st.keyword = dxf_upper_(value);
      kind = pair_kind(st.keyword);
      if (st.keyword == "SECTION") {
        st.result = true;
        std::string_view c2, v2;
        bool has_v2 = false;
        if (lines.next_pair(c2, v2, has_v2) && has_v2 && dxf_trim_(c2) == "2")
          st.section = dxf_upper_(dxf_trim_(v2));
      } else if (st.keyword == "ENDSEC") {
        if (st.section == "BLOCKS") dxf_resolve_pending_inserts_(*this, st);
        st.section.clear();
      } else if (st.keyword == "EOF") {
        break;  // whatever follows the end of file is not part of the drawing
      }
      in_header = st.section == "HEADER";
      continue;
    }
    value_pair(*this, st, kind, code, value);
  }
  if (st.keyword != "EOF") end_record(*this, st);
  if (st.section == "HEADER") apply_header_variable(*this, st);
  dxf_resolve_pending_inserts_(*this, st);
  vertex_clear_(false_);

  if (dimstyles_count_() < 1) dimstyle_add_(lang_text_("common.dims.new"));
  if (layers_count_() < 1)
    layer_add_(lang_text_("common.layer.new"), true_, true_, color_auto_, color_none_, 0, 0);
  progress_refresh_(-1);
  return st.result && !lines.short_read();
}

int32_t zaz_class_::dxf_layer_index_(const std::string& name_) const {
  const int32_t n = layers_count_();
  for (int32_t i = 1; i <= n; ++i)
    if (const layer_rec_* l = layer_ptr_(i); l && l->title == name_) return i;
  return 1;
}

int32_t zaz_class_::dxf_linetype_index_(const std::string& name_) const {
  if (name_.empty()) return 0;
  for (size_t i = 1; i < exchange.linetypes.size(); ++i) {
    const dxf_linetype_rec_& t = exchange.linetypes[i];
    if (t.name == name_ && !t.dash_pattern_.empty()) return t.line_style;
  }
  return 0;
}

void zaz_class_::dxf2x0_(float v210_, float v220_, float v230_, float xp_, float yp_, float zp_,
                         float& x2d_, float& y2d_) const {
  if (v210_ == 0 && v220_ == 0) {
    x2d_ = xp_, y2d_ = yp_;
  } else if (v210_ == 0 && v230_ == 0) {
    x2d_ = xp_, y2d_ = zp_;
  } else if (v220_ == 0 && v230_ == 0) {
    x2d_ = yp_, y2d_ = zp_;
  } else {
    x2d_ = xp_, y2d_ = yp_;
  }
}
