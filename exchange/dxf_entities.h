// Entity bodies of the DXF reader and where their coordinates land.
#pragma once
#include "exchange/dxf_import.h"

namespace exchange_ {

// In ENTITIES the drawing's origin offset comes off every coordinate; in BLOCKS nothing.
struct dxf_place_ {
  bool shift = false;
  float ox = 0, oy = 0;
  mutable int32_t record = 0;  // the object the body made, for the block collector
  float x(float v) const { return shift ? f32_(double(v) - ox) : v; }
  float y(float v) const { return shift ? f32_(double(v) - oy) : v; }
};

void dxf_block_begin_(zaz_class_& e, dxf_import_state_rec_& st);
void dxf_block_end_(zaz_class_& e, dxf_import_state_rec_& st);
void dxf_text_body_(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                    const dxf_entity_props_& p);
void dxf_mtext_body_(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                     const dxf_entity_props_& p);
void dxf_dimension_body_(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                         const dxf_entity_props_& p);
void dxf_insert_body_(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                      const dxf_entity_props_& p);

}  // namespace exchange_
