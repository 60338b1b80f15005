#include "platform/gdiplus/image.h"

#include <QImageReader>

#include "platform/gdi/qt_bridge.h"

bool image_::load_(const std::string& path) {
  pixels_px_ = surface_(0, 0, surface_kind_::alpha_);
  ensure_qt_app_();
  QImageReader reader(QString::fromStdString(path));
  reader.setDecideFormatFromContent(true);
  // Refuse pictures larger than a surface before decoding a single pixel.
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > surface_::max_side_ || size.height() > surface_::max_side_)) return false;
  QImage image;
  if (!reader.read(&image) || image.isNull()) return false;
  if (image.width() > surface_::max_side_ || image.height() > surface_::max_side_) return false;
  surface_ loaded;
  if (!surface_from_qimage_(image.convertToFormat(QImage::Format_ARGB32_Premultiplied), loaded)) return false;
  loaded.set_kind_(surface_kind_::alpha_);
  pixels_px_ = std::move(loaded);
  return true;
}

void image_::assign_(const surface_& pixels) {
  pixels_px_ = pixels;
  if (pixels.kind_() == surface_kind_::opaque_) pixels_px_.set_kind_(surface_kind_::alpha_);  // opaque stays A = 255
}
