#include "platform/services/picture_file.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include "platform/core/file_io.h"

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
