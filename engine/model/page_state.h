// Pages with their layers, and the page snapshot the undo machinery keeps.
#pragma once
#include "engine/model/records.h"

struct page_state_ {
  std::vector<page_rec_> pages;  // 1..count (slot 0 unused); empty when there is none
  int32_t active = 0;            // 0 while the drawing has no page
  std::vector<page_rec_> saved_pages;  // undo snapshot, same numbering
  int32_t saved_active = 0;
};
