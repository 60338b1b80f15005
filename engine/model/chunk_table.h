// A table of plain records held in fixed-size chunks that copies of the table share: copying
// a table copies chunk pointers, and the first write through a non-const accessor into a
// shared chunk copies just that chunk. The undo snapshot is such a copy, so taking it costs
// the number of chunks and keeping it costs what changed since. Growing never moves a record.
//
// The interface is the part of std::vector the store uses, with the same meaning of size and
// capacity (a table's upper bound is its capacity - 1; storage is made as entries are reached).
// One thread only: the share counts are plain integers.
//
// A chunk's storage is left raw until its entries are reached: a table of a few records costs
// a few touched pages, not 64 KB cleared per table (which dominated importing small drawings).
// Storage never reached is poisoned under AddressSanitizer, so a read past the entries made
// is reported rather than seeing whatever the allocator left.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/core/memory.h"

#if defined(__SANITIZE_ADDRESS__)
#define ARVEX_CHUNK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ARVEX_CHUNK_ASAN 1
#endif
#endif
#ifdef ARVEX_CHUNK_ASAN
#include <sanitizer/asan_interface.h>
#define ARVEX_CHUNK_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define ARVEX_CHUNK_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define ARVEX_CHUNK_POISON(p, n) ((void)(p), (void)(n))
#define ARVEX_CHUNK_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

template <class T>
class chunk_table_ {
 public:
  // About 64 KB a chunk: small records come 4096 to a chunk, large ones at least 16.
  static constexpr size_t chunk_bits = [] {
    size_t bits = 12;
    while (bits > 4 && (size_t(1) << bits) * sizeof(T) > (size_t(64) << 10)) --bits;
    return bits;
  }();
  static constexpr size_t chunk_size = size_t(1) << chunk_bits;
  using value_type = T;

  chunk_table_() = default;
  chunk_table_(const chunk_table_& o) : chunks_(o.chunks_), size_(o.size_), cap_(o.cap_) {
    for (chunk* c : chunks_) ++c->refs;
  }
  chunk_table_(chunk_table_&& o) noexcept
      : chunks_(std::move(o.chunks_)), size_(std::exchange(o.size_, 0)), cap_(std::exchange(o.cap_, 0)) {}
  chunk_table_& operator=(const chunk_table_& o) {
    if (this != &o) *this = chunk_table_(o);
    return *this;
  }
  chunk_table_& operator=(chunk_table_&& o) noexcept {
    if (this != &o) {
      release();
      chunks_ = std::move(o.chunks_);
      size_ = std::exchange(o.size_, 0);
      cap_ = std::exchange(o.cap_, 0);
    }
    return *this;
  }
  ~chunk_table_() { release(); }

  size_t size() const { return size_; }
  size_t capacity() const { return cap_; }
  bool empty() const { return size_ == 0; }

  const T& operator[](size_t i) const { return chunks_[i >> chunk_bits]->items()[i & (chunk_size - 1)]; }
  T& operator[](size_t i) { return own(i >> chunk_bits).items()[i & (chunk_size - 1)]; }
  const T& back() const { return (*this)[size_ - 1]; }
  T& back() { return (*this)[size_ - 1]; }

  // Like std::vector::reserve: raises the capacity only, and makes no entries.
  void reserve(size_t n) {
    if (n <= cap_) return;
    if (n > max_size()) throw std::length_error("chunk_table_::reserve");
    chunks_.reserve(chunks_for(n));
    cap_ = n;
  }

  // Like std::vector::resize: new entries are value-initialised; a capacity that must grow
  // at least doubles.
  void resize(size_t n) {
    if (n > cap_) reserve(std::max(n, std::min(max_size(), size_ * 2)));
    while (chunks_.size() < chunks_for(n)) {
      chunks_.push_back(new chunk());
      // A table that needs a second chunk is a large one that will fill it: bring its pages
      // in at once rather than one fault at a time (the first chunk is left to fill lazily,
      // so small tables stay small).
      if (chunks_.size() > 1) prefault_for_write_(chunks_.back()->raw, sizeof(chunk::raw));
    }
    // Entries size_..n-1 become T{}: slots made before a shrink are cleared, the rest made.
    for (size_t k = size_ >> chunk_bits; size_ < n && k < chunks_for(n); ++k) {
      const size_t lo = std::max(size_, k << chunk_bits) & (chunk_size - 1);
      const size_t hi = std::min(n - (k << chunk_bits), chunk_size);
      chunk& c = own(k);
      std::fill(c.items() + lo, c.items() + std::min<size_t>(hi, std::max<size_t>(lo, c.made)), T{});
      c.make_up_to(hi);
    }
    size_ = n;
  }

  // Like std::vector::assign: a capacity that must grow becomes exactly n.
  void assign(size_t n, const T& value) {
    if (n > cap_) reserve(n);
    resize(0);
    resize(n);
    for (size_t i = 0; i < n; ++i) (*this)[i] = value;
  }

  void clear() { size_ = 0; }
  T& emplace_back() {
    resize(size_ + 1);
    return back();
  }
  void push_back(const T& v) { emplace_back() = v; }

  // This table becomes entries 0..n-1 of `from`, sharing its chunks; its capacity is n, as
  // for a vector assigned from a range.
  void share_prefix(const chunk_table_& from, size_t n) {
    n = std::min(n, from.size_);
    chunk_table_ t;
    t.chunks_.assign(from.chunks_.begin(), from.chunks_.begin() + std::ptrdiff_t(chunks_for(n)));
    for (chunk* c : t.chunks_) ++c->refs;
    t.size_ = t.cap_ = n;
    *this = std::move(t);
  }

  // Chunk k of both tables is one and the same storage (so equal entry by entry).
  bool same_chunk(size_t k, const chunk_table_& other) const {
    return k < chunks_.size() && k < other.chunks_.size() && chunks_[k] == other.chunks_[k];
  }
  size_t chunk_count() const { return chunks_.size(); }

  // The entries of chunk k at once, for walks over many records: the writable form copies a
  // shared chunk first, like any non-const accessor. The pointer stays good until the table
  // is copied or released.
  const T* chunk_items(size_t k) const { return chunks_[k]->items(); }
  T* chunk_items(size_t k) { return own(k).items(); }

  // A mark a reader may leave on a chunk to know it unchanged later: any write through a
  // non-const accessor sets it back to 0.
  uint64_t mark(size_t k) const { return chunks_[k]->mark; }
  void set_mark(size_t k, uint64_t m) const { chunks_[k]->mark = m; }

 private:
  struct chunk {
    uint32_t refs = 1;
    uint32_t made = 0;  // entries 0..made-1 exist; the rest is raw storage
    uint64_t mark = 0;
    alignas(T) unsigned char raw[sizeof(T) * chunk_size];

    chunk() { ARVEX_CHUNK_POISON(raw, sizeof raw); }
    chunk(const chunk& o) : made(o.made), mark(o.mark) {
      std::uninitialized_copy_n(o.items(), made, items());
      ARVEX_CHUNK_POISON(raw + sizeof(T) * made, sizeof raw - sizeof(T) * made);
    }
    chunk& operator=(const chunk&) = delete;
    ~chunk() {
      std::destroy_n(items(), made);
      ARVEX_CHUNK_UNPOISON(raw, sizeof raw);
    }

    T* items() { return std::launder(reinterpret_cast<T*>(raw)); }
    const T* items() const { return std::launder(reinterpret_cast<const T*>(raw)); }
    void make_up_to(size_t n) {
      if (n <= made) return;
      ARVEX_CHUNK_UNPOISON(raw + sizeof(T) * made, sizeof(T) * (n - made));
      std::uninitialized_value_construct(items() + made, items() + n);
      made = uint32_t(n);
    }
  };

  static size_t chunks_for(size_t n) { return (n + chunk_size - 1) >> chunk_bits; }
  static size_t max_size() { return size_t(INT32_MAX) + 1; }

  chunk& own(size_t k) {
    chunk*& c = chunks_[k];
    if (c->refs != 1) {
      chunk* copy = new chunk(*c);
      --c->refs;
      c = copy;
    }
    c->mark = 0;
    return *c;
  }

  void release() {
    for (chunk* c : chunks_)
      if (--c->refs == 0) delete c;
    chunks_.clear();
  }

  std::vector<chunk*> chunks_;
  size_t size_ = 0;
  size_t cap_ = 0;
};
