// Hatching state of one engine: the pattern new hatches get, and where warnings go.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

class dc_;  // swatches paint into any device context

struct hatch_state_ {
  int32_t active = 0;  // hatch_pattern_code_; 0 in a new or opened drawing, never stored
  // The host shows warnings: it gets the language key ("message.toolargehatch") and
  // translates it. Without a sink warnings are dropped.
  std::function<void(const std::string& key)> message_sink;
};
