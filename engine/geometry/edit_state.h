// Working state of the editing operations that outlives one call.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/core/types.h"

// One segment of the chain a polygon was last assembled from.
struct chain_entry_rec_ {
  int32_t record = 0;
  flag16_ reversed = false_;  // -1: walked from its last point to its first
};

struct edit_state_ {
  std::vector<chain_entry_rec_> chain{chain_entry_rec_{}};  // entries from 1
  // Progress of the last array: rows finished, and the row, row count and percentage
  // of the last report.
  int32_t rows_done = 0, row = 0, rows = 0;
  float percent = 0;
};
