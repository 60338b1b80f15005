// Little-endian binary reading and writing, field by field.
// The reader never reads past its end: a short read fails, leaves the target unchanged
// and makes every later read fail too, so a parser can check once at the end.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

class byte_reader_ {
 public:
  byte_reader_() = default;
  explicit byte_reader_(std::string_view data) : data_(data) {}

  size_t pos() const { return pos_; }
  size_t size() const { return data_.size(); }
  size_t remaining() const { return failed_ ? 0 : data_.size() - pos_; }
  bool ok() const { return !failed_; }
  bool at_end() const { return failed_ || pos_ == data_.size(); }
  void fail() { failed_ = true; }

  // Reads a little-endian integer or IEEE float of the target's size.
  template <class T>
  bool read(T& out) {
    static_assert(std::is_arithmetic_v<T>);
    if (!has(sizeof(T))) return false;
    T v;
    std::memcpy(&v, data_.data() + pos_, sizeof(T));  // the program runs on little-endian machines
    out = v;
    pos_ += sizeof(T);
    return true;
  }
  template <class T>
  T get(T fallback = T{}) {
    T v = fallback;
    read(v);
    return v;
  }
  // Exactly n raw bytes.
  bool bytes(size_t n, std::string& out) {
    if (!has(n)) return false;
    out.assign(data_.data() + pos_, n);
    pos_ += n;
    return true;
  }
  bool skip(size_t n) {
    if (!has(n)) return false;
    pos_ += n;
    return true;
  }
  // True when n more bytes are there; otherwise marks the reader failed.
  bool has(size_t n) {
    if (failed_ || n > data_.size() - pos_) {
      failed_ = true;
      return false;
    }
    return true;
  }
  // True when count items of item_size bytes can still follow (overflow-safe).
  bool can_hold(uint64_t count, size_t item_size) const {
    if (failed_) return false;
    return item_size == 0 || count <= (data_.size() - pos_) / item_size;
  }

 private:
  std::string_view data_;
  size_t pos_ = 0;
  bool failed_ = false;
};

class byte_writer_ {
 public:
  template <class T>
  void put(T v) {
    static_assert(std::is_arithmetic_v<T>);
    char b[sizeof(T)];
    std::memcpy(b, &v, sizeof(T));
    out_.append(b, sizeof(T));
  }
  void bytes(std::string_view s) { out_.append(s); }
  const std::string& data() const { return out_; }
  std::string take() { return std::move(out_); }
  // Empties the writer and keeps its storage for the next bytes.
  void clear() { out_.clear(); }
  size_t size() const { return out_.size(); }

 private:
  std::string out_;
};
