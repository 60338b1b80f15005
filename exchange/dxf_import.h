// Working state of one DXF import and the record bodies the reader calls.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/zaz_class.h"
#include "exchange/dxf_values.h"

namespace exchange_ {

inline constexpr int32_t dxf_max_code_ = 9998;

// One text per group code 0..9998; only the slots in use are cleared between records. A record
// uses a few dozen codes, so the texts live in a small pool that records reuse, found through
// a table of pool places by code (place 0: the empty text of every code not set).
struct dxf_record_rec_ {
  std::vector<uint16_t> place = std::vector<uint16_t>(dxf_max_code_ + 1);
  std::deque<std::string> pool = std::deque<std::string>(1);  // texts never move
  size_t pool_used = 1;  // places 1..pool_used-1 belong to codes of this record
  std::vector<int32_t> used;
  int32_t last_code = -1;  // code of the pair stored last

  void set(int32_t code, std::string_view value) {
    last_code = code;
    uint16_t& at = place[static_cast<size_t>(code)];
    if (at == 0) {
      if (value.empty()) return;  // an empty text on an empty slot changes nothing
      if (pool_used == pool.size()) pool.emplace_back();
      at = static_cast<uint16_t>(pool_used++);
      used.push_back(code);
    }
    pool[at].assign(value);
  }
  const std::string& get(int32_t code) const { return pool[place[static_cast<size_t>(code)]]; }
  double num(int32_t code) const { return dxf_number_(get(code)); }
  float f(int32_t code) const { return f32_(num(code)); }
  bool present(int32_t code) const { return !get(code).empty(); }
  void clear() {
    for (int32_t c : used) place[static_cast<size_t>(c)] = 0;
    for (size_t i = 1; i < pool_used; ++i) pool[i].clear();
    pool_used = 1;
    used.clear();
    last_code = -1;
  }
  // A new record: everything empty, colour by layer, extrusion along +Z.
  void reset() {
    clear();
    set(62, "256");
    set(210, "0");
    set(220, "0");
    set(230, "1");
  }
};

// The properties every entity record shares.
struct dxf_entity_props_ {
  int32_t layer = 1;
  bool layer_zero = false;
  int32_t color = color_by_layer_;
  int16_t style = 0;
  bool mirrored = false;  // extrusion (0, 0, -1): x runs the other way
};

// An insert inside a block whose block was not complete when it was read.
struct dxf_pending_insert_ {
  int32_t target = 0;  // block definition that receives the members
  std::string name;
  float x = 0, y = 0, sx = 1, sy = 1, rot = 0;  // rotation in radians
  float base_x = 0, base_y = 0;                 // the target block's base point
};

struct dxf_import_state_rec_ {
  std::string section;
  std::string keyword;
  bool result = false;
  bool block_open = false;
  float base_x = 0, base_y = 0;
  int32_t block_count = 0;
  int32_t member_count = 0;
  int32_t linetype_count = 0;
  std::vector<float> dashes;  // at most six
  std::string header_var;
  int32_t last_dimstyle = 0;
  float extmin_x = 0, extmin_y = 0;  // as $EXTMIN gave them
  std::string mtext_chunks;  // groups 3 of an MTEXT, in file order
  bool in_vertex = false;  // the POLYLINE record has reached its VERTEX records
  // Dimension-style overrides of the DIMENSION record being read.
  bool ovr_in_list = false;
  bool ovr_has = false;
  int32_t ovr_counter = 0;
  int32_t ovr_code = 0;
  dimstyle_rec_ ovr_style;
  std::unordered_map<std::string, int32_t> layers;  // name as read -> layer number
  std::vector<dxf_pending_insert_> pending;
  int64_t copy_budget = 4'000'000;  // member copies that nested inserts may still make
  dxf_record_rec_ rec;
};

// Bodies, each called with the complete record.
void dxf_header_variable_(zaz_class_& e, dxf_import_state_rec_& st);
void dxf_table_record_(zaz_class_& e, dxf_import_state_rec_& st);
void dxf_entity_(zaz_class_& e, dxf_import_state_rec_& st);
void dxf_override_pair_(zaz_class_& e, dxf_import_state_rec_& st);
void dxf_resolve_pending_inserts_(zaz_class_& e, dxf_import_state_rec_& st);

// Hands an object made in BLOCKS or ENTITIES to the open block definition.
void dxf_collect_block_member_(zaz_class_& e, dxf_import_state_rec_& st, int32_t record_,
                               bool layer_zero_);
// Copies the members of block `source` into block `target`, placed by an insert, relative to
// the target's base point; false when the copy budget ran out.
bool dxf_explode_into_(zaz_class_& e, dxf_import_state_rec_& st, int32_t target, int32_t source,
                       float x, float y, float sx, float sy, float rot_rad, float base_x,
                       float base_y);

}  // namespace exchange_
