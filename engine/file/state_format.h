// The undo state file: counters, selections, pages and blocks of both sides of a step, then
// before and after images of the records the step changed.
#pragma once
#include <vector>

#include "engine/geometry/library_state.h"
#include "engine/model/store_state.h"
#include "platform/core/binary_io.h"

inline constexpr int32_t state_header_length_ = 48;

void put_state_counts_(byte_writer_& w, const record_counts_rec_& counts);
bool get_state_counts_(byte_reader_& r, record_counts_rec_& counts);
// Flags 0..c (a single flag when c is below 1); entry 0 is always 0.
void put_state_selection_(byte_writer_& w, const std::vector<flag16_>& sel, int32_t c);
bool get_state_selection_(byte_reader_& r, std::vector<flag16_>& sel, int32_t c);
// Active page, upper bound N and entries 0..N; the pages' reserved texts are not part of it.
void put_state_pages_(byte_writer_& w, int32_t active, const std::vector<page_rec_>& pages);
bool get_state_pages_(byte_reader_& r, int32_t& active, std::vector<page_rec_>& pages);
// Upper bound B and blocks 1..B with their member numbers.
void put_state_blocks_(byte_writer_& w, const std::vector<block_def_rec_>& blocks);
bool get_state_blocks_(byte_reader_& r, std::vector<block_def_rec_>& blocks);

// The fixed length written for an object type's image (not used when reading).
int32_t state_record_length_(int32_t type);
void put_state_header_(byte_writer_& w, const object_rec_& o);
bool get_state_header_(byte_reader_& r, object_rec_& o);
// The type record of entry `index` of kind `type` (1..16).
void put_state_entry_(byte_writer_& w, const object_tables_& t, int32_t type, int32_t index);
// Reads a type record into entry `index`, which the caller has made room for.
bool get_state_entry_(byte_reader_& r, object_tables_& t, int32_t type, int32_t index);
