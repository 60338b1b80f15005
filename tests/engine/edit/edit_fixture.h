// A drawing with one page of two layers, and small helpers to reach records.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "engine/zaz_class.h"

class drawing_ : public ::testing::Test {
 protected:
  void SetUp() override {
    e = std::make_unique<zaz_class_>();
    e->page_add_("p1", 210, 297);
    e->layer_add_("a", true_, true_, -1, -2, 0, 1);
    e->layer_add_("b", true_, true_, -1, -2, 0, 1);
    e->layer_active_(1);
  }
  object_rec_& obj(int32_t r) { return e->store.live.objects[r]; }
  template <class T>
  T& entry(chunk_table_<T>& table, int32_t r) { return table[obj(r).index]; }
  line_rec_& line(int32_t r) { return entry(e->store.live.lines, r); }
  arc_rec_& arc(int32_t r) { return entry(e->store.live.arcs, r); }
  arc_rec_& circle(int32_t r) { return entry(e->store.live.circles, r); }
  text_rec_& text(int32_t r) { return entry(e->store.live.texts, r); }
  block_insert_rec_& insert(int32_t r) { return entry(e->store.live.block_inserts, r); }
  block_group_rec_& group(int32_t r) { return entry(e->store.live.block_groups, r); }
  void select(std::initializer_list<int32_t> rs) {
    for (int32_t r : rs) e->select_record_(r, true_);
  }
  // Appends a text record directly: text adds belong to the fonts area.
  int32_t add_text(float x, float y, float rot, std::string s = "AB", int32_t font = 0) {
    add_slot_ slot;
    if (!e->add_begin_(ot_text_, -1, -2, 0, 1, 1, slot)) return 0;
    e->store.live.texts[slot.entry] = text_rec_{x, y, 2, 1, rot, std::move(s), font, 0, 0};
    obj(slot.record).x1 = obj(slot.record).x2 = x;
    obj(slot.record).y1 = obj(slot.record).y2 = y;
    return e->add_commit_(slot);
  }
  std::unique_ptr<zaz_class_> e;
};
