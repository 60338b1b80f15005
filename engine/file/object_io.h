// Payloads of the sixteen object kinds in the drawing and transfer file layout.
#pragma once
#include "engine/model/store_state.h"
#include "platform/core/binary_io.h"

// Writes the payload of table entry `index` of kind `type` (1..16); an entry missing from the
// table writes as a default record so the file stays readable.
void put_object_payload_(byte_writer_& w, const object_tables_& t, int32_t type, int32_t index);
// Reads a payload into entry `index` of kind `type`, which the caller has made room for.
// Every count is checked against what remains before anything is allocated.
bool get_object_payload_(byte_reader_& r, object_tables_& t, int32_t type, int32_t index);
