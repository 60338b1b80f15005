#include "engine/file/dimstyle_io.h"

#include <array>
#include <string>
#include <type_traits>

#include "engine/file/codec.h"

namespace {

// Properties 18 and 19, and a few in the twenties, were laid out out of number order when the
// format was fixed; the file keeps that order.
constexpr std::array<int, 55> kFileOrder = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 19,
    18, 20, 21, 22, 27, 24, 25, 30, 23, 26, 28, 29, 31, 32, 33, 34, 35, 36, 37,
    38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54};

template <bool Short>
struct field_writer {
  byte_writer_& w;
  void operator()(const std::string& v) const {
    if constexpr (Short) put_string2_(w, v);
    else put_string_(w, v);
  }
  template <class T>
  void operator()(const T& v) const { w.put<T>(v); }
};

template <bool Short>
struct field_reader {
  byte_reader_& r;
  void operator()(std::string& v) const {
    if constexpr (Short) get_string2_(r, v);
    else get_string_(r, v);
  }
  template <class T>
  void operator()(T& v) const { r.read(v); }
};

}  // namespace

void write_dimstyle_record_(byte_writer_& w, const dimstyle_rec_& s) {
  for (int p : kFileOrder) dimstyle_field_(s, p, field_writer<false>{w});
}

bool read_dimstyle_record_(byte_reader_& r, dimstyle_rec_& s) {
  for (int p : kFileOrder) dimstyle_field_(s, p, field_reader<false>{r});
  return r.ok();
}

void put_dimstyle_state_(byte_writer_& w, const dimstyle_rec_& s) {
  put_string2_(w, s.name);
  for (int p = 0; p < 55; ++p) dimstyle_field_(s, p, field_writer<true>{w});
}

bool get_dimstyle_state_(byte_reader_& r, dimstyle_rec_& s) {
  get_string2_(r, s.name);
  for (int p = 0; p < 55; ++p) dimstyle_field_(s, p, field_reader<true>{r});
  return r.ok();
}

int16_t dimstyle_differs_(const dimstyle_rec_& a, const dimstyle_rec_& b) {
  if (a.name != b.name) return -1;
  for (int p = 0; p < 55; ++p) {
    bool differ = false;
    dimstyle_field_(a, p, [&](auto& va) {
      dimstyle_field_(b, p, [&](auto& vb) {
        if constexpr (std::is_same_v<std::decay_t<decltype(va)>, std::decay_t<decltype(vb)>>)
          differ = !(va == vb);
      });
    });
    if (differ) return -1;
  }
  return 0;
}
