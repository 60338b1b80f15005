// Tile placing of a hatch: the pattern's segments as lines in drawing units around a tile
// origin, and the origins of the tiles that touch the inside of a closed boundary.
#pragma once
#include <cstdint>

#include "engine/hatch/hatch_pattern.h"

// Largest lattice half size accepted: more than 201 tiles across is refused.
inline constexpr int32_t hatch_lattice_limit_ = 100;

// The lattice half size n for a box diagonal and tile size: 2n + 1 tiles each way would span the
// diagonal to within half a tile, so the placing lays one ring more. -1 when not computable.
int32_t hatch_lattice_half_(double diagonal, double tile);

// The tile size in drawing units for a hatch scale (never below 0.01).
float hatch_tile_size_(float scale);

// Prepares a hatch from its boundary (points 1..count, closed), pattern, scale and rotation:
// `line_count` and `lines` get the pattern's segments around a tile origin, `tile_x` and
// `tile_y` the origins of the tiles that touch the inside (both emptied when none does).
// False, leaving the record untouched, for a pattern without segments, a boundary box without
// width or height, values that are not finite, or more than 201 tiles across.
bool hatch_place_tiles_(hatch_rec_& h);
