// The DXF reader: line ends, pairs, records, sections and the end of the import.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>

#include "engine/zaz_class.h"
#include "exchange/dxf_import.h"
#include "exchange/engine_bridge.h"
#include "platform/core/file_io.h"
#include "shell/files.h"
#include "shell/language.h"
#include "shell/program_dir.h"

using namespace exchange_;

namespace {

// Lines of a file held in memory; CR LF, a lone CR and a lone LF each end one line.
struct line_cursor_ {
  std::string_view data;
  size_t pos = 0;

  bool next(std::string_view& line) {
    if (pos >= data.size()) return false;
    const size_t end = data.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      line = data.substr(pos);
      pos = data.size();
      return true;
    }
    line = data.substr(pos, end - pos);
    pos = end + ((data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n') ? 2 : 1);
    return true;
  }
};

// Binary DXF files open with a short text ending in these bytes, then NUL.
constexpr std::string_view binary_sentinel_ = "Binary DXF\r\n\x1a";

// Whether a "0" / "SECTION" pair exists, read as the reader pairs the lines.
bool has_section(std::string_view data) {
  line_cursor_ c{data};
  std::string_view code, value;
  while (c.next(code)) {
    if (!c.next(value)) return false;
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

// A value pair of the current record.
void value_pair(zaz_class_& e, dxf_import_state_rec_& st, std::string_view code_text,
                std::string_view value) {
  int32_t code = 0;
  if (!dxf_has_number_(code_text) || !dxf_whole_(code_text, code)) return;
  if (code < 0 || code > dxf_max_code_) return;
  const std::string& k = st.keyword;
  if (k == "POLYLINE") {
    if (code == 0 && dxf_upper_(value) == "VERTEX") st.in_vertex = true;
    // Vertices belong to their polyline: they do not change its layer, colour, type or flags.
    if (st.in_vertex && (code == 8 || code == 62 || code == 6 || code == 70)) return;
  }
  st.rec.set(code, value);
  if (k == "LWPOLYLINE") {
    if (code == 20) e.vertex_add_(st.rec.f(10), st.rec.f(20), 0, false_);
    if (code == 42 && e.vertex_count_(false_) > 0) e.vertex_pa_(0, st.rec.f(42));
  } else if (k == "POLYLINE") {
    if (code == 20) e.vertex_add_(st.rec.f(10), st.rec.f(20), 0, false_);
  } else if (k == "LTYPE") {
    if (code == 49 && st.dashes.size() < 6) st.dashes.push_back(std::fabs(st.rec.f(49)));
  } else if (k == "MTEXT") {
    if (code == 3) st.mtext_chunks.append(value);
  } else if (k == "DIMENSION") {
    dxf_override_pair_(e, st);
  }
}

}  // namespace

bool zaz_class_::file_import_acdxf_(const std::string& file_) {
  if (file_exists_(file_) != true_) return false;
  // Read once, without clearing the storage first; every line below is a view into it.
  const std::optional<file_buffer_> buffer = read_file_buffer_(file_);
  if (!buffer) return false;
  const std::string_view data = buffer->view();
  // Binary DXF is not read; a file without any section is no drawing. Both leave the
  // current drawing as it is.
  if (data.substr(0, 32).find(binary_sentinel_) != std::string_view::npos) return false;
  if (!has_section(data)) return false;

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
  line_cursor_ lines{data};
  const double length = static_cast<double>(data.size());
  std::string_view code_line, value_line;
  while (lines.next(code_line)) {
    if (!lines.next(value_line)) value_line = {};
    if (++exchange.pair_counter_ % 1000 == 0)
      progress_refresh_(static_cast<int32_t>(round_even_(10 + 90 * double(lines.pos) / length)));
    const std::string_view code = dxf_trim_(code_line);
    const std::string_view value = dxf_trim_(value_line);
    if (st.section == "HEADER" && code == "9" && !value.empty() && value[0] == '$') {
      apply_header_variable(*this, st);
      st.rec.clear();
      st.header_var = dxf_upper_(value);
      continue;
    }
    if (code == "0" && dxf_keyword_test_(value)) {
      // A header variable ends where the next record starts: apply it while its values are
      // still held, before the record slots are emptied.
      if (st.section == "HEADER") apply_header_variable(*this, st);
      end_record(*this, st);
      reset_record(*this, st);
      st.keyword = dxf_upper_(value);
      if (st.keyword == "SECTION") {
        st.result = true;
        std::string_view c2, v2;
        if (lines.next(c2) && lines.next(v2) && dxf_trim_(c2) == "2")
          st.section = dxf_upper_(dxf_trim_(v2));
      } else if (st.keyword == "ENDSEC") {
        if (st.section == "BLOCKS") dxf_resolve_pending_inserts_(*this, st);
        st.section.clear();
      } else if (st.keyword == "EOF") {
        break;  // whatever follows the end of file is not part of the drawing
      }
      continue;
    }
    value_pair(*this, st, code, value);
  }
  if (st.keyword != "EOF") end_record(*this, st);
  if (st.section == "HEADER") apply_header_variable(*this, st);
  dxf_resolve_pending_inserts_(*this, st);
  vertex_clear_(false_);

  if (dimstyles_count_() < 1) dimstyle_add_(lang_text_("common.dims.new"));
  if (layers_count_() < 1)
    layer_add_(lang_text_("common.layer.new"), true_, true_, color_auto_, color_none_, 0, 0);
  progress_refresh_(-1);
  return st.result;
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
