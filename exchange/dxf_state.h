// What the engine keeps of the exchange code between imports: the colour-number palette,
// the linetype and block-name tables of the last DXF import and the loop counter.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct dxf_linetype_rec_ {
  std::string name;
  std::string dash_pattern_;
  int16_t line_style = 0;  // line_style_code_
};

struct dxf_block_entry_rec_ {
  std::string name;
  int16_t hidden = 0;  // -1 when the name begins with "*"
};

inline constexpr int32_t dxf_linetypes_max_ = 254;

struct exchange_state_ {
  std::array<int32_t, 256> palette{};              // colour numbers 0..255 as RGB codes
  std::vector<dxf_linetype_rec_> linetypes;        // 1..count, entry 0 spare
  std::vector<dxf_block_entry_rec_> block_names;   // 1..count, entry 0 spare
  int32_t pair_counter_ = 0;                       // turns of the import loops
};
