// Unit conversions shared by the style table and the per-dimension overrides.
#pragma once
#include <cstdint>

namespace exchange_ {

// DXF length unit 1..5 (scientific .. fractional) to the style's unit type 0..4; others 1.
int32_t dxf_length_unit_(double dxf);
// DXF angle unit (0 degrees, 1 deg/min/sec, 2 grads, 3 radians) to the style's angle unit;
// other values give `unchanged`.
int32_t dxf_angle_unit_(double dxf, int32_t unchanged);

}  // namespace exchange_
