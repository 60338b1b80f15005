#include "platform/gdiplus/image.h"

#include <QBuffer>
#include <QImageReader>

#include "platform/gdi/qt_bridge.h"

namespace {

// Decodes through the reader, refusing pictures larger than a surface before decoding a pixel.
bool read_picture_(QImageReader& reader, surface_& out) {
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > surface_::max_side_ || size.height() > surface_::max_side_)) return false;
  QImage image;
  if (!reader.read(&image) || image.isNull()) return false;
  if (image.width() > surface_::max_side_ || image.height() > surface_::max_side_) return false;
  surface_ loaded;
  if (!surface_from_qimage_(image.convertToFormat(QImage::Format_ARGB32_Premultiplied), loaded)) return false;
  loaded.set_kind_(surface_kind_::alpha_);
  out = std::move(loaded);
  return true;
}

}  // namespace

bool image_::load_(const std::string& path) {
  pixels_px_ = surface_(0, 0, surface_kind_::alpha_);
  ensure_qt_app_();
  QImageReader reader(QString::fromStdString(path));
  return read_picture_(reader, pixels_px_);
}

bool image_::load_bytes_(std::string_view bytes) {
  pixels_px_ = surface_(0, 0, surface_kind_::alpha_);
  if (bytes.empty()) return false;
  ensure_qt_app_();
  QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly)) return false;
  QImageReader reader(&buffer);
  return read_picture_(reader, pixels_px_);
}

void image_::assign_(const surface_& pixels) {
  pixels_px_ = pixels;
  if (pixels.kind_() == surface_kind_::opaque_) pixels_px_.set_kind_(surface_kind_::alpha_);  // opaque stays A = 255
}
