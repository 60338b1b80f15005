#include "platform/gdi/glyph_outline.h"

#include <QPainterPath>
#include <QRawFont>
#include <cmath>

#include "platform/gdi/qt_bridge.h"

// Defined with the text rendering: the Qt font for a description.
const QFont& qfont_for_(const font_& f);

int32_t glyph_outline_(const font_& font, char32_t code, double scale, glyph_box_metrics_& metrics,
                       std::vector<outline_contour_>& contours) {
  contours.clear();
  metrics = {};
  if (!(scale > 0.0) || !std::isfinite(scale)) return -1;
  ensure_qt_app_();
  const QRawFont raw = QRawFont::fromFont(qfont_for_(font));
  if (!raw.isValid()) return -1;
  const QString text = QString::fromUcs4(&code, 1);
  const QList<quint32> glyphs = raw.glyphIndexesForString(text);
  if (glyphs.size() != 1 || (glyphs[0] == 0 && code != 0)) return -1;
  const QPainterPath path = raw.pathForGlyph(glyphs[0]);
  const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
  metrics.advance_x = advances.isEmpty() ? 0 : int32_t(std::lround(advances[0].x() * scale));
  metrics.advance_y = advances.isEmpty() ? 0 : int32_t(std::lround(-advances[0].y() * scale));
  if (path.isEmpty()) return 0;
  const QRectF box = path.boundingRect();
  metrics.box_width = int32_t(std::ceil(box.width() * scale));
  metrics.box_height = int32_t(std::ceil(box.height() * scale));
  metrics.origin_x = int32_t(std::floor(box.left() * scale));
  metrics.origin_y = int32_t(std::ceil(-box.top() * scale));
  auto pt = [scale](const QPointF& p) { return outline_point_{p.x() * scale, -p.y() * scale}; };
  auto curve = [&contours](outline_curve_kind_ kind) -> outline_curve_& {
    auto& curves = contours.back().curves;
    if (curves.empty() || kind == outline_curve_kind_::quadratic_ || curves.back().kind != kind)
      curves.push_back({kind, {}});
    return curves.back();
  };
  QPointF last;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.type == QPainterPath::MoveToElement) {
      contours.push_back({pt(e), {}});
      last = e;
    } else if (contours.empty()) {
      continue;
    } else if (e.type == QPainterPath::LineToElement) {
      curve(outline_curve_kind_::line_).points.push_back(pt(e));
      last = e;
    } else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
      // Qt hands quadratic segments over as cubics; the quadratic control point is recovered
      // exactly from either cubic one (and averaged, which also serves true cubics).
      const QPointF c1 = e, c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
      const QPointF q = ((c1 * 3.0 - last) / 2.0 + (c2 * 3.0 - end) / 2.0) / 2.0;
      outline_curve_& p = curve(outline_curve_kind_::quadratic_);
      p.points.push_back(pt(q));
      p.points.push_back(pt(end));
      last = end;
      i += 2;
    }
  }
  return int32_t(contours.size());
}
