// The two vertex buffers in which callers assemble a figure before handing it over.
#pragma once
#include "engine/model/records.h"

struct vertex_state_ {
  std::vector<vertex_rec_> main;    // entry i (from 1) is main[i - 1]
  std::vector<vertex_rec_> second;  // chosen by v2ext_ = -1
};
