// Field-by-field comparison of records, for undo change detection and for the clipboard's
// matching of pasted blocks with existing ones.
#pragma once
#include <cstdint>
#include <vector>

#include "engine/model/records.h"

// Points 1..n of two lists numbered from 1; a point missing on either side counts as different.
bool point_lists_differ_(const std::vector<float>& ax, const std::vector<float>& ay,
                         const std::vector<float>& bx, const std::vector<float>& by, int64_t n);
bool text_parts_differ_(const dim_text_part_rec_& a, const dim_text_part_rec_& b);

// Whole payloads of the dimension-like kinds: geometry, style copy, text parts, text box and
// closing values.
bool dimensions_differ_(const dimension_rec_& a, const dimension_rec_& b);
bool angular_dims_differ_(const angular_dim_rec_& a, const angular_dim_rec_& b);
bool references_differ_(const reference_rec_& a, const reference_rec_& b);

struct object_tables_;
// Entry ia of table `type` in a against entry ib in b, every stored field of the kind compared
// (derived hatch lines and origins aside); an entry missing on either side differs.
bool type_entries_differ_(int32_t type, const object_tables_& a, int32_t ia, const object_tables_& b, int32_t ib);
