// The dimension-style table: entry 0 is the template new styles copy.
#pragma once
#include "engine/model/records.h"

struct dimstyle_state_ {
  std::vector<dimstyle_rec_> styles;  // 0..count; empty only before the first reset
  int32_t active = 0;
};

// What dimstyle_delete_ did: removed the style, or why it refused.
enum class dimstyle_del_result_ : int32_t {
  deleted = 1,
  no_style = 0,  // not a style number from 1 to the count
  last = -1,     // the drawing keeps at least one style
  in_use = -2,   // a dimension or reference refers to it
};

// The style an undo step removed (removed 0: the step removed none). State files hold no
// styles, so the step keeps the style itself for undo to put back, and the active style
// before the step (redo works out the one after it again).
struct dimstyle_step_rec_ {
  int32_t removed = 0;
  dimstyle_rec_ style;
  int32_t active_before = 0;
};
