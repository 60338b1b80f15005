// What the two halves of the DXF export share besides the pair writer.
#pragma once
#include <algorithm>
#include <cstdint>

#include "engine/zaz_class.h"
#include "exchange/dxf_export.h"

namespace exchange_ {

// The highest main record number that has storage.
inline int32_t dxf_last_record_(const zaz_class_& e) {
  return static_cast<int32_t>(std::min<int64_t>(
      e.store.counts[0], static_cast<int64_t>(e.store.live.objects.size()) - 1));
}

// Page objects that go to ENTITIES: on a page, on a layer, not deleted.
inline bool dxf_entity_written_(const object_rec_& o) {
  return o.layer >= 1 && o.page >= 1 && o.deleted == false_;
}

// The text style every TEXT names.
inline const char* dxf_text_style_name_() { return "ARVEX"; }

// False when a record cannot be written (a missing entry, a value that is not finite).
bool dxf_blocks_section_(zaz_class_& e, dxf_out_& o);
bool dxf_entities_section_(zaz_class_& e, dxf_out_& o);

}  // namespace exchange_
