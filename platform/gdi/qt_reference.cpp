#include "platform/gdi/qt_reference.h"

#include <QPainter>
#include <QPolygon>

#include "platform/gdi/qt_bridge.h"

namespace {
QColor qcolour_(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
}  // namespace

void qt_reference_lines_(surface_& target, const pixel_point_* points, size_t pairs, uint32_t colour) {
  if (target.empty_() || !points) return;
  ensure_qt_app_();
  QImage image = qimage_of_(target);
  QPainter p(&image);
  p.setPen(QPen(qcolour_(colour), 1));
  for (size_t i = 0; i < pairs; ++i)
    p.drawLine(points[2 * i].x, points[2 * i].y, points[2 * i + 1].x, points[2 * i + 1].y);
}

void qt_reference_polygons_(surface_& target, const pixel_point_* points, size_t polygons, size_t corners,
                            uint32_t colour) {
  if (target.empty_() || !points) return;
  ensure_qt_app_();
  QImage image = qimage_of_(target);
  QPainter p(&image);
  p.setPen(QPen(qcolour_(colour), 1));
  p.setBrush(qcolour_(colour));
  QPolygon poly(static_cast<int>(corners));
  for (size_t i = 0; i < polygons; ++i) {
    for (size_t k = 0; k < corners; ++k) poly.setPoint(int(k), points[i * corners + k].x, points[i * corners + k].y);
    p.drawPolygon(poly, Qt::OddEvenFill);
  }
}
