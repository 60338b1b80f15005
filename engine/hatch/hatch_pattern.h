// The built-in hatch patterns: 29 fixed lists of segments in a 100 x 100 tile (y up).
// A build writes one pattern into the one process-wide buffer, which the caller reads at once.
#pragma once
#include <array>
#include <cstdint>

#include "engine/model/records.h"  // hatch_segment_rec_: a segment in tile units here

inline constexpr int32_t hatch_pattern_capacity_ = 999;
inline constexpr int32_t hatch_pattern_first_ = 0;
inline constexpr int32_t hatch_pattern_last_ = 28;

// The shared pattern buffer. Entries from `count` on hold whatever an earlier build left.
struct hatch_pattern_rec_ {
  int32_t count = 0;
  std::array<hatch_segment_rec_, hatch_pattern_capacity_> segments{};
};

// The one buffer of the process, shared by every engine. It is allocated once and never
// resized, so a build allocates nothing.
extern hatch_pattern_rec_ hatch_pattern_buf_;

// Fills the buffer with pattern `code` (0 to 28). Any other code leaves `count` at 0.
void hatch_build_pattern_(int32_t code);
// The second half of the builder: patterns 22, 23 and 24; any other code leaves `count` at 0.
void hatch_build_pattern_ext_(int32_t code);
