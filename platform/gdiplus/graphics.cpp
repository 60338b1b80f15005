#include "platform/gdiplus/graphics.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <vector>

#include "platform/gdi/qt_bridge.h"

struct graphics_::impl_ {
  QImage image;                 // view over the target surface (no copy)
  std::unique_ptr<QPainter> own;  // painter on that view
  QPainter* painter = nullptr;
  QTransform base;              // the painter's transform when we took it
  QTransform world;
  double page = 1.0;            // device pixels per world unit
  void apply_() {
    if (painter) painter->setTransform(world * QTransform::fromScale(page, page) * base);
  }
};

void gp_path_::to_(gp_point_ p, kind_ k) {
  if (!open_) {
    elements_list_.push_back({kind_::start_, p});
    open_ = true;
    if (k == kind_::start_) return;
  }
  if (k != kind_::start_) elements_list_.push_back({k, p});
}

void gp_path_::close_figure_() {
  if (open_ && !elements_list_.empty()) closed_list_.push_back(elements_list_.size());
  open_ = false;
}

void gp_path_::add_line_(gp_point_ a, gp_point_ b) {
  if (!open_) to_(a, kind_::start_);
  else to_(a, kind_::line_);
  to_(b, kind_::line_);
}

void gp_path_::add_lines_(const gp_point_* points, size_t count) {
  if (!points || count == 0) return;
  to_(points[0], open_ ? kind_::line_ : kind_::start_);
  for (size_t i = 1; i < count; ++i) to_(points[i], kind_::line_);
}

void gp_path_::add_beziers_(const gp_point_* points, size_t count) {
  if (!points || count < 4 || (count - 1) % 3 != 0) return;
  to_(points[0], open_ ? kind_::line_ : kind_::start_);
  for (size_t i = 1; i < count; ++i) to_(points[i], kind_::cubic_);
}

void gp_path_::add_polygon_(const gp_point_* points, size_t count) {
  if (!points || count < 2) return;
  start_figure_();
  add_lines_(points, count);
  close_figure_();
}

namespace {

QColor qargb_(uint32_t argb) { return QColor::fromRgba(argb); }

QPen qpen_(const gp_pen_& p) {
  QPen pen(qargb_(p.argb));
  pen.setWidthF(p.width > 0.0f ? double(p.width) : 0.0);
  pen.setCapStyle(Qt::FlatCap);
  switch (p.join) {
    case gp_join_::bevel_: pen.setJoinStyle(Qt::BevelJoin); break;
    case gp_join_::round_: pen.setJoinStyle(Qt::RoundJoin); break;
    default: pen.setJoinStyle(Qt::MiterJoin); pen.setMiterLimit(10.0); break;
  }
  switch (p.dash) {
    case gp_dash_::dash_: pen.setDashPattern({3, 1}); break;
    case gp_dash_::dot_: pen.setDashPattern({1, 1}); break;
    case gp_dash_::dash_dot_: pen.setDashPattern({3, 1, 1, 1}); break;
    case gp_dash_::dash_dot_dot_: pen.setDashPattern({3, 1, 1, 1, 1, 1}); break;
    default: break;
  }
  return pen;
}

template <class P>
QPolygonF qpoly_(const P* points, size_t count) {
  QPolygonF poly;
  poly.reserve(qsizetype(count));
  for (size_t i = 0; i < count; ++i) poly << QPointF(double(points[i].x), double(points[i].y));
  return poly;
}

QImage qimage_of_image_(const image_& image) {
  // A const view: Qt reads it in place.
  return qimage_view_of_(image.pixels_());
}

}  // namespace

graphics_::graphics_(surface_& target) : d_(std::make_unique<impl_>()) {
  if (target.empty_()) return;
  ensure_qt_app_();
  d_->image = qimage_of_(target);
  d_->own = std::make_unique<QPainter>(&d_->image);
  d_->painter = d_->own.get();
  d_->painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
}

graphics_::graphics_(QPainter* painter) : d_(std::make_unique<impl_>()) {
  if (!painter || !painter->isActive()) return;
  d_->painter = painter;
  painter->save();
  d_->base = painter->transform();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
}

graphics_::~graphics_() {
  if (d_->painter && !d_->own) d_->painter->restore();
}

bool graphics_::valid_() const { return d_->painter != nullptr; }

void graphics_::set_smoothing_(bool on) {
  if (d_->painter) d_->painter->setRenderHint(QPainter::Antialiasing, on);
}

void graphics_::set_smooth_images_(bool on) {
  if (d_->painter) d_->painter->setRenderHint(QPainter::SmoothPixmapTransform, on);
}

void graphics_::set_transform_(double m11, double m12, double m21, double m22, double dx, double dy) {
  d_->world = QTransform(m11, m12, m21, m22, dx, dy);
  d_->apply_();
}

void graphics_::reset_transform_() {
  d_->world = QTransform();
  d_->apply_();
}

void graphics_::translate_world_(double dx, double dy) {
  d_->world = QTransform::fromTranslate(dx, dy) * d_->world;
  d_->apply_();
}

void graphics_::scale_world_(double sx, double sy) {
  d_->world = QTransform::fromScale(sx, sy) * d_->world;
  d_->apply_();
}

void graphics_::set_page_unit_(gp_unit_ unit) {
  if (!d_->painter) return;
  double dpi = 96.0;
  if (!d_->own && d_->painter->device()) dpi = d_->painter->device()->logicalDpiX();
  d_->page = unit == gp_unit_::millimetre_ ? dpi / 25.4 : 1.0;
  d_->apply_();
}

namespace {

QPainterPath qpath_(const gp_path_& path, fill_mode_ mode) {
  QPainterPath q;
  q.setFillRule(mode == fill_mode_::winding_ ? Qt::WindingFill : Qt::OddEvenFill);
  const auto& el = path.elements_();
  const auto& closes = path.closed_ends_();
  size_t next_close = 0;
  for (size_t i = 0; i < el.size(); ++i) {
    const QPointF p(el[i].point.x, el[i].point.y);
    if (el[i].kind == gp_path_::kind_::start_) q.moveTo(p);
    else if (el[i].kind == gp_path_::kind_::line_) q.lineTo(p);
    else if (i + 2 < el.size() && el[i + 1].kind == gp_path_::kind_::cubic_ && el[i + 2].kind == gp_path_::kind_::cubic_) {
      q.cubicTo(p, QPointF(el[i + 1].point.x, el[i + 1].point.y), QPointF(el[i + 2].point.x, el[i + 2].point.y));
      i += 2;
    }
    while (next_close < closes.size() && closes[next_close] == i + 1) {
      q.closeSubpath();
      ++next_close;
    }
  }
  return q;
}

}  // namespace

void graphics_::draw_path_(const gp_pen_& pen, const gp_path_& path) {
  if (!d_->painter || path.empty_()) return;
  d_->painter->setPen(qpen_(pen));
  d_->painter->setBrush(Qt::NoBrush);
  d_->painter->drawPath(qpath_(path, fill_mode_::alternate_));
}

void graphics_::fill_path_(uint32_t argb, const gp_path_& path, fill_mode_ mode) {
  if (!d_->painter || path.empty_()) return;
  d_->painter->fillPath(qpath_(path, mode), qargb_(argb));
}

void graphics_::set_clip_rect_(const pixel_rect_& r) {
  if (!d_->painter) return;
  if (r.empty_()) {
    d_->painter->setClipping(false);
    return;
  }
  const QTransform t = d_->painter->transform();
  d_->painter->resetTransform();
  d_->painter->setClipRect(QRect(r.left, r.top, int(r.width_()), int(r.height_())));
  d_->painter->setTransform(t);
}

void graphics_::draw_line_(const gp_pen_& pen, float x1, float y1, float x2, float y2) {
  if (!d_->painter) return;
  d_->painter->setPen(qpen_(pen));
  d_->painter->drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void graphics_::draw_lines_(const gp_pen_& pen, const gp_point_* points, size_t count) {
  if (!d_->painter || !points || count < 2) return;
  d_->painter->setPen(qpen_(pen));
  d_->painter->drawPolyline(qpoly_(points, count));
}

void graphics_::draw_lines_(const gp_pen_& pen, const pixel_point_* points, size_t count) {
  if (!d_->painter || !points || count < 2) return;
  d_->painter->setPen(qpen_(pen));
  d_->painter->drawPolyline(qpoly_(points, count));
}

void graphics_::draw_polygon_(const gp_pen_& pen, const gp_point_* points, size_t count) {
  if (!d_->painter || !points || count < 2) return;
  d_->painter->setPen(qpen_(pen));
  d_->painter->setBrush(Qt::NoBrush);
  d_->painter->drawPolygon(qpoly_(points, count));
}

void graphics_::draw_polygon_(const gp_pen_& pen, const pixel_point_* points, size_t count) {
  if (!d_->painter || !points || count < 2) return;
  d_->painter->setPen(qpen_(pen));
  d_->painter->setBrush(Qt::NoBrush);
  d_->painter->drawPolygon(qpoly_(points, count));
}

void graphics_::draw_beziers_(const gp_pen_& pen, const gp_point_* points, size_t count) {
  if (!d_->painter || !points || count < 4 || (count - 1) % 3 != 0) return;
  QPainterPath path(QPointF(points[0].x, points[0].y));
  for (size_t i = 1; i + 2 < count; i += 3)
    path.cubicTo(QPointF(points[i].x, points[i].y), QPointF(points[i + 1].x, points[i + 1].y),
                 QPointF(points[i + 2].x, points[i + 2].y));
  d_->painter->setPen(qpen_(pen));
  d_->painter->setBrush(Qt::NoBrush);
  d_->painter->drawPath(path);
}

void graphics_::draw_beziers_(const gp_pen_& pen, const pixel_point_* points, size_t count) {
  if (!points) return;
  std::vector<gp_point_> f(count);
  for (size_t i = 0; i < count; ++i) f[i] = {float(points[i].x), float(points[i].y)};
  draw_beziers_(pen, f.data(), count);
}

void graphics_::draw_ellipse_(const gp_pen_& pen, float x, float y, float w, float h) {
  if (!d_->painter) return;
  d_->painter->setPen(qpen_(pen));
  d_->painter->setBrush(Qt::NoBrush);
  d_->painter->drawEllipse(QRectF(x, y, w, h));
}

void graphics_::fill_polygon_(uint32_t argb, const gp_point_* points, size_t count, fill_mode_ mode) {
  if (!d_->painter || !points || count < 3) return;
  d_->painter->setPen(Qt::NoPen);
  d_->painter->setBrush(qargb_(argb));
  d_->painter->drawPolygon(qpoly_(points, count), mode == fill_mode_::winding_ ? Qt::WindingFill : Qt::OddEvenFill);
}

void graphics_::fill_polygon_(uint32_t argb, const pixel_point_* points, size_t count, fill_mode_ mode) {
  if (!d_->painter || !points || count < 3) return;
  d_->painter->setPen(Qt::NoPen);
  d_->painter->setBrush(qargb_(argb));
  d_->painter->drawPolygon(qpoly_(points, count), mode == fill_mode_::winding_ ? Qt::WindingFill : Qt::OddEvenFill);
}

void graphics_::fill_rectangle_(uint32_t argb, float x, float y, float w, float h) {
  if (!d_->painter) return;
  d_->painter->fillRect(QRectF(x, y, w, h), qargb_(argb));
}

void graphics_::fill_ellipse_(uint32_t argb, float x, float y, float w, float h) {
  if (!d_->painter) return;
  d_->painter->setPen(Qt::NoPen);
  d_->painter->setBrush(qargb_(argb));
  d_->painter->drawEllipse(QRectF(x, y, w, h));
}

void graphics_::draw_image_points_(const image_& image, const gp_point_* three) {
  if (!d_->painter || !three || image.empty_()) return;
  const double w = image.width_(), h = image.height_();
  // The affine map taking the image's corners (0,0), (w,0), (0,h) to the three points.
  const QTransform map((double(three[1].x) - three[0].x) / w, (double(three[1].y) - three[0].y) / w,
                       (double(three[2].x) - three[0].x) / h, (double(three[2].y) - three[0].y) / h,
                       three[0].x, three[0].y);
  const QTransform saved = d_->painter->transform();
  d_->painter->setTransform(map * saved);
  d_->painter->drawImage(QPointF(0, 0), qimage_of_image_(image));
  d_->painter->setTransform(saved);
}

void graphics_::draw_image_rect_(const image_& image, float x, float y, float w, float h, float sx, float sy,
                                 float sw, float sh) {
  if (!d_->painter || image.empty_()) return;
  d_->painter->drawImage(QRectF(x, y, w, h), qimage_of_image_(image), QRectF(sx, sy, sw, sh));
}
