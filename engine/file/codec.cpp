#include "engine/file/codec.h"

#include <limits>

#include "platform/core/codepage.h"

void put_string_(byte_writer_& w, std::string_view utf8) {
  std::string bytes = utf8_to_cp1250_(utf8);
  // Texts beyond 2 GB cannot be described by the count; they are cut rather than corrupting the file.
  if (bytes.size() > size_t(std::numeric_limits<int32_t>::max()))
    bytes.resize(size_t(std::numeric_limits<int32_t>::max()));
  w.put<int32_t>(int32_t(bytes.size()));
  w.bytes(bytes);
}

bool get_string_(byte_reader_& r, std::string& out) {
  out.clear();
  int32_t n = 0;
  if (!r.read(n)) return false;
  if (n <= 0) return true;
  std::string bytes;
  if (!r.bytes(size_t(n), bytes)) return false;
  out = cp1250_to_utf8_(bytes);
  return true;
}

void put_string2_(byte_writer_& w, std::string_view utf8) {
  std::string bytes = utf8_to_cp1250_(utf8);
  if (bytes.size() > size_t(std::numeric_limits<int16_t>::max())) bytes.resize(size_t(std::numeric_limits<int16_t>::max()));
  w.put<int16_t>(int16_t(bytes.size()));
  w.bytes(bytes);
}

bool get_string2_(byte_reader_& r, std::string& out) {
  out.clear();
  int16_t n = 0;
  if (!r.read(n)) return false;
  if (n <= 0) return true;
  std::string bytes;
  if (!r.bytes(size_t(n), bytes)) return false;
  out = cp1250_to_utf8_(bytes);
  return true;
}

std::string clipboard_marker_encode_(std::string_view path_utf8) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out(clipboard_marker_prefix_);
  for (unsigned char c : utf8_to_cp1250_(path_utf8)) {
    unsigned v = 255u - c;
    out += digits[v >> 4];
    out += digits[v & 15];
  }
  return out;
}

static int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string clipboard_marker_decode_(std::string_view marker) {
  if (marker.substr(0, clipboard_marker_prefix_.size()) != clipboard_marker_prefix_) return {};
  std::string_view hex = marker.substr(clipboard_marker_prefix_.size());
  if (hex.size() % 2 != 0) return {};
  std::string bytes;
  bytes.reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    int hi = hex_value(hex[i]), lo = hex_value(hex[i + 1]);
    if (hi < 0 || lo < 0) return {};
    bytes += char(255 - (hi * 16 + lo));
  }
  return cp1250_to_utf8_(bytes);
}

std::string normalize_line_end_bytes_(std::string_view in) {
  std::string out;
  out.reserve(in.size() + in.size() / 16);
  for (size_t i = 0; i < in.size(); ++i) {
    char c = in[i];
    if (c == '\r' && i + 1 < in.size() && in[i + 1] == '\n') {
      out += "\r\n";
      ++i;
    } else if (c == '\r' || c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}
