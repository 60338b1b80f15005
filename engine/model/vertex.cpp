// The main and the second vertex buffer. Index 0 stands for the last entry; any other
// index outside 1..count reads 0 and writes nothing.
#include "engine/zaz_class.h"

namespace {

template <class Buf>
auto entry_at(Buf& buf, int32_t v) -> decltype(&buf[0]) {
  const int64_t count = static_cast<int64_t>(buf.size());
  const int64_t i = v == 0 ? count : v;
  if (i < 1 || i > count) return nullptr;
  return &buf[static_cast<size_t>(i - 1)];
}

}  // namespace

void zaz_class_::vertex_clear_(flag16_ v2ext_) {
  // Buffers are cleared for every figure read or built: keep the room of an ordinary one so
  // the next does not grow it again, but give back what a huge one took.
  constexpr size_t kept_room = size_t(1) << 14;
  auto& buf = v2ext_ == true_ ? vertices.second : vertices.main;
  if (buf.capacity() > kept_room) std::vector<vertex_rec_>().swap(buf);
  else buf.clear();
}

int32_t zaz_class_::vertex_add_(float x_, float y_, float a_, flag16_ v2ext_) {
  auto& buf = v2ext_ == true_ ? vertices.second : vertices.main;
  if (buf.size() >= static_cast<size_t>(INT32_MAX)) return static_cast<int32_t>(buf.size());
  try {
    buf.push_back(vertex_rec_{x_, y_, a_});
  } catch (const std::bad_alloc&) {
  }
  return static_cast<int32_t>(buf.size());
}

int32_t zaz_class_::vertex_count_(flag16_ v2ext_) const {
  return static_cast<int32_t>((v2ext_ == true_ ? vertices.second : vertices.main).size());
}

flag16_ zaz_class_::vertex_delete_(int32_t v_) {
  auto& buf = vertices.main;
  if (v_ >= 1 && static_cast<size_t>(v_) <= buf.size()) {
    buf.erase(buf.begin() + (v_ - 1));
    if (buf.empty()) vertex_clear_(false_);
  }
  return false_;
}

float zaz_class_::vertex_px_(int32_t v_, flag16_ v2ext_) const {
  const vertex_rec_* e = entry_at(v2ext_ == true_ ? vertices.second : vertices.main, v_);
  return e ? e->x : 0.0f;
}

float zaz_class_::vertex_py_(int32_t v_, flag16_ v2ext_) const {
  const vertex_rec_* e = entry_at(v2ext_ == true_ ? vertices.second : vertices.main, v_);
  return e ? e->y : 0.0f;
}

float zaz_class_::vertex_pa_(int32_t v_) const {
  const vertex_rec_* e = entry_at(vertices.main, v_);
  return e ? e->a : 0.0f;
}

void zaz_class_::vertex_pa_(int32_t v_, float arc_) {
  if (vertex_rec_* e = entry_at(vertices.main, v_)) e->a = arc_;
}

void zaz_class_::vertex_shift_() {
  for (vertex_rec_& v : vertices.main) {
    v.x = f32_(static_cast<double>(v.x) - store.origin_x);
    v.y = f32_(static_cast<double>(v.y) - store.origin_y);
  }
}
