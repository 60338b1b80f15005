// The same aliased work done through QPainter on a QImage over a surface, as the yardstick of
// the benchmarks (which cannot see Qt headers). Not used for drawing by the program.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/gdi/pixel_types.h"
#include "platform/gdi/surface.h"

// Lines between points[2i] and points[2i+1], one pixel wide, aliased.
void qt_reference_lines_(surface_& target, const pixel_point_* points, size_t pairs, uint32_t colour);
// Polygons of `corners` points each, filled (alternate rule) and outlined, aliased.
void qt_reference_polygons_(surface_& target, const pixel_point_* points, size_t polygons, size_t corners,
                            uint32_t colour);
