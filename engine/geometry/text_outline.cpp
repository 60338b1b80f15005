// Texts turned into outline figures drawn with their stroke font.
#include "engine/geometry/edit_util.h"

void zaz_class_::text_explode_(int32_t record) {
  if (!edit_::valid_record_(*this, record)) return;
  // Without a font to draw the outlines the text stays as it is, only deselected.
  store.live.objects[record].selected = false_;
}
