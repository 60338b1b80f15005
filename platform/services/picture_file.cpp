#include "platform/services/picture_file.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QString>

#include "platform/core/file_io.h"
#include "platform/gdi/qt_bridge.h"
#include "platform/gdi/surface.h"

#include <algorithm>
#include <cstring>

const picture_image_rec_* picture_rec_::image_for_size_(int32_t size) const {
  const picture_image_rec_* best = nullptr;
  const picture_image_rec_* largest = nullptr;
  for (const picture_image_rec_& im : images) {
    int32_t side = std::max(im.width, im.height);
    if (!largest || side > std::max(largest->width, largest->height)) largest = &im;
    if (side >= size && (!best || side < std::max(best->width, best->height))) best = &im;
  }
  return best ? best : largest;
}

namespace {
bool to_plain(const QImage& source, picture_image_rec_& out) {
  if (source.isNull() || source.width() <= 0 || source.height() <= 0) return false;
  QImage img = source.convertToFormat(QImage::Format_ARGB32);
  if (img.isNull()) return false;
  out.width = img.width();
  out.height = img.height();
  out.argb.resize(size_t(out.width) * size_t(out.height));
  for (int32_t y = 0; y < out.height; ++y)
    std::memcpy(out.argb.data() + size_t(y) * size_t(out.width), img.constScanLine(y),
                size_t(out.width) * 4);
  return true;
}
}  // namespace

bool load_picture_file_(const std::string& path, picture_rec_& out) {
  out.images.clear();
  // Only regular files: a device or pipe could block or never end.
  if (path.find('\0') != std::string::npos || !file_exists_path_(path)) return false;
  QImageReader reader(QString::fromStdString(path));
  const QByteArray format = reader.format();
  const bool all_images = format == "ico" || format == "cur";
  do {
    picture_image_rec_ im;
    if (!to_plain(reader.read(), im)) break;
    out.images.push_back(std::move(im));
  } while (all_images && reader.jumpToNextImage());
  return !out.images.empty();
}

bool decode_picture_bytes_(std::string_view bytes, picture_image_rec_& out, int32_t max_side) {
  max_side = std::min(max_side, surface_::max_side_);
  out = picture_image_rec_{};
  if (bytes.empty()) return false;
  ensure_qt_app_();
  QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly)) return false;
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > max_side || size.height() > max_side)) return false;
  QImage image = reader.read();
  if (image.width() > max_side || image.height() > max_side) return false;
  return to_plain(image, out);
}

namespace {
std::string encode_(const picture_image_rec_& image, QImage::Format format, const char* kind) {
  if (image.width <= 0 || image.height <= 0 ||
      image.argb.size() != size_t(image.width) * size_t(image.height))
    return {};
  ensure_qt_app_();
  QImage src(reinterpret_cast<const uchar*>(image.argb.data()), image.width, image.height, image.width * 4,
             QImage::Format_ARGB32);
  QImage img = src.convertToFormat(format);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !img.save(&buffer, kind)) return {};
  return std::string(bytes.constData(), size_t(bytes.size()));
}
}  // namespace

std::string encode_bmp24_(const picture_image_rec_& image) { return encode_(image, QImage::Format_RGB888, "BMP"); }
std::string encode_png_(const picture_image_rec_& image) { return encode_(image, QImage::Format_ARGB32, "PNG"); }
