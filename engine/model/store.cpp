// The object store: counters, table bounds and growth, and the add protocol.
#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>

#include "engine/zaz_class.h"

int32_t zaz_class_::records_() const { return store.counts[0]; }

int32_t zaz_class_::subrecords_(int32_t record_type_) const {
  if (record_type_ < 1 || record_type_ > 255) return 0;
  return store.counts[record_type_];
}

int32_t zaz_class_::table_ubound_(int32_t type, flag16_ snapshot) const {
  const object_tables_& set = snapshot == true_ ? store.snapshot : store.live;
  const int32_t t = (type >= 1 && type <= object_kinds_) ? type : 0;
  return set.visit(t, [](const auto& table) {
    return table.capacity() == 0 ? int32_t{0} : static_cast<int32_t>(table.capacity() - 1);
  });
}

int32_t zaz_class_::table_grow_step_() const {
  return std::clamp(table_ubound_(0, false_), int32_t{1000}, int32_t{1000000});
}

// Storage up to the upper bound is reserved, not constructed: spare entries cost no
// time until an add reaches them.
bool zaz_class_::table_reserve_(int32_t type, int32_t entry) {
  if (entry < 1) return false;
  const int32_t t = (type >= 1 && type <= object_kinds_) ? type : 0;
  int64_t bound = table_ubound_(t, false_);
  if (bound < entry) {
    bound = int64_t{entry} + table_grow_step_();
    if (bound >= std::numeric_limits<int32_t>::max()) return false;
  }
  try {
    store.live.visit(t, [&](auto& table) {
      table.reserve(static_cast<size_t>(bound) + 1);
      if (table.size() <= static_cast<size_t>(entry)) table.resize(static_cast<size_t>(entry) + 1);
    });
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return true;
}

bool zaz_class_::add_begin_(int32_t type, int32_t color, int32_t fill, int32_t style,
                            int32_t width, int32_t layer, add_slot_& slot) {
  if (type < 1 || type > object_kinds_) return false;
  // Values that do not fit their fields fail the add.
  if (layer < 0 || layer > 255) return false;
  if (style < std::numeric_limits<int16_t>::min() || style > std::numeric_limits<int16_t>::max())
    return false;
  if (width < std::numeric_limits<int16_t>::min() || width > std::numeric_limits<int16_t>::max())
    return false;
  if (store.counts[0] == std::numeric_limits<int32_t>::max() ||
      store.counts[type] == std::numeric_limits<int32_t>::max())
    return false;
  slot.type = type;
  slot.record = store.counts[0] + 1;
  slot.entry = store.counts[type] + 1;
  if (!table_reserve_(0, slot.record)) return false;
  object_rec_& o = store.live.objects[slot.record];
  o = object_rec_{};
  o.type = type;
  o.index = slot.entry;
  o.page = static_cast<int16_t>(std::clamp(pages.active, 0, pages_max_));
  o.draw_color = color;
  o.fill_color = fill;
  o.line_style = static_cast<int16_t>(style);
  o.line_width = static_cast<int16_t>(width);
  o.layer = static_cast<uint8_t>(layer);
  // The entry step is taken now, so it already reflects a main table just grown.
  return table_reserve_(type, slot.entry);
}

int32_t zaz_class_::add_commit_(const add_slot_& slot) {
  store.counts[slot.type] = slot.entry;
  store.counts[0] = slot.record;
  return slot.record;
}
