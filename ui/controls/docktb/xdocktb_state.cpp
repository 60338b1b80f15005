// The layout file "xtoolbars2_.ini": the rows of the four dock areas and, per tool window id,
// its area, row, slot visibility and window rectangle; little-endian, exactly 20,336 bytes.
// A file is taken only whole: any other length, or a row value out of range, leaves the
// defaults; slot values out of range are repaired one by one. Saving replaces the file only by
// a complete new one.
#include <algorithm>

#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"
#include "ui/controls/docktb/xdocktb.h"

namespace {

constexpr int32_t max_row_position = 1023;
constexpr int32_t max_row_thickness = 127;
// Window coordinates stay far enough from the 32-bit limit that centre sums cannot overflow.
constexpr int32_t max_coordinate = 32767;

void put_window(byte_writer_& w, const dock_window_rec_& r) {
  for (int32_t v : {r.dock, r.row, r.x, r.y, r.centre_x, r.centre_y, r.cx, r.cy, r.toolbar_id, r.hwnd})
    w.put<int32_t>(v);
  w.put<int16_t>(r.menu);
}

void get_window(byte_reader_& in, dock_window_rec_& r) {
  for (int32_t* v : {&r.dock, &r.row, &r.x, &r.y, &r.centre_x, &r.centre_y, &r.cx, &r.cy, &r.toolbar_id, &r.hwnd})
    in.read(*v);
  in.read(r.menu);
}

// Reads and checks the whole file; false when it must be ignored.
bool decode_layout(std::string_view data, toolbar_layout_file_rec_& out) {
  if (data.size() != toolbar_layout_file_size_) return false;
  byte_reader_ in(data);
  for (dock_area_code_ a = 1; a <= 4; ++a) in.read(out.rows.count[size_t(a)]);
  for (int32_t r = 1; r <= dock_row_limit_; ++r)
    for (dock_area_code_ a = 1; a <= 4; ++a) {
      in.read(out.rows.table[size_t(a)][size_t(r)].position);
      in.read(out.rows.table[size_t(a)][size_t(r)].thickness);
    }
  for (dock_area_code_ a = 1; a <= 4; ++a) {
    if (out.rows.count[size_t(a)] < 0 || out.rows.count[size_t(a)] > dock_row_limit_) return false;
    for (int32_t r = 1; r <= dock_row_limit_; ++r) {
      const dock_row_rec_& e = out.rows.table[size_t(a)][size_t(r)];
      if (e.position < 0 || e.position > max_row_position || e.thickness < 0 || e.thickness > max_row_thickness)
        return false;
    }
  }
  for (int32_t i = 1; i <= dock_toolbar_limit_; ++i) {
    toolbar_layout_slot_rec_& s = out.toolbars[size_t(i)];
    in.read(s.slot_count);
    for (int16_t& v : s.visible) in.read(v);
    in.read(s.dock);
    in.read(s.posx);
    in.read(s.posy);
    in.read(s.row);
    if (s.dock < 0 || s.dock > 4) s.dock = 0;
    if (s.row < 1 || s.row > dock_row_limit_) s.row = 1;
    if (s.dock == 0) s.row = 0;
    dock_window_rec_& w = s.window;
    get_window(in, w);
    w.x = std::clamp(w.x, 0, max_coordinate);
    w.y = std::clamp(w.y, 0, max_coordinate);
    w.cx = std::clamp(w.cx, 16, 3000);
    w.cy = std::clamp(w.cy, 16, 2000);
    w.centre_x = cint32_(double(w.x) + double(w.cx) / 2);
    w.centre_y = cint32_(double(w.y) + double(w.cy) / 2);
  }
  return in.ok() && in.at_end();
}

}  // namespace

std::string xdocktb_::encode_layout_() const {
  byte_writer_ w;
  for (dock_area_code_ a = 1; a <= 4; ++a) w.put<int32_t>(rows.count[size_t(a)]);
  for (int32_t r = 1; r <= dock_row_limit_; ++r)
    for (dock_area_code_ a = 1; a <= 4; ++a) {
      w.put<int32_t>(rows.table[size_t(a)][size_t(r)].position);
      w.put<int32_t>(rows.table[size_t(a)][size_t(r)].thickness);
    }
  for (int32_t i = 1; i <= dock_toolbar_limit_; ++i) {
    if (!valid_toolbar_(i)) {
      for (size_t n = 0; n < 190; ++n) w.put<uint8_t>(0);
      continue;
    }
    const dock_toolbar_rec_& tb = toolbars[size_t(i)];
    bool embeds = false;
    for (int32_t j = 1; j <= dock_slot_limit_; ++j) {
      const int32_t b = tb.slots[size_t(j)].button_id;
      if (valid_button_(b) && button_(b).xc_hwnd != 0) embeds = true;
    }
    dock_window_rec_ rec = windows[size_t(find_window_rec_(i))];  // entry 0 is all zero
    // A tool window hosting an embedded panel is saved at the panel's docked height.
    if (embeds) rec.cy = 46;
    w.put<int32_t>(tb.slot_count);
    for (int32_t j = 1; j <= dock_slot_limit_; ++j) w.put<int16_t>(tb.slots[size_t(j)].visible);
    w.put<int32_t>(tb.dock);
    w.put<int32_t>(tb.posx);
    w.put<int32_t>(tb.posy);
    w.put<int32_t>(tb.row);
    put_window(w, rec);
  }
  return w.take();
}

void xdocktb_::state_save_(const std::string& file_) {
  if (window_count < 1 || is_set_(save_disabled)) return;
  const std::string data = encode_layout_();
  save_file_atomic_(file_, data);  // a failed save leaves the old file as it was
}

void xdocktb_::state_load_(const std::string& file_) {
  const auto data = read_file_bytes_(file_, toolbar_layout_file_size_ + 1);
  if (data) state_load_bytes_(*data);
}

void xdocktb_::state_load_bytes_(std::string_view data) {
  toolbar_layout_file_rec_ loaded;
  if (!decode_layout(data, loaded)) return;
  saved = loaded;
  layout_loaded = true_;
}
