// The dimension-style table: entry 0 is the template new styles copy.
#pragma once
#include "engine/model/records.h"

struct dimstyle_state_ {
  std::vector<dimstyle_rec_> styles;  // 0..count; empty only before the first reset
  int32_t active = 0;
};
