#include "platform/services/picture_file.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QString>

#include "platform/core/binary_io.h"
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

namespace {

bool icon_size_ok(const picture_image_rec_& im) {
  return im.width > 0 && im.height > 0 && im.width <= 256 && im.height <= 256 &&
         im.argb.size() == size_t(im.width) * size_t(im.height);
}

// The bitmap of one directory entry: header, colour rows bottom-up, then the AND mask rows
// (one bit per pixel, rows padded to 32 bits), whose set bits are the fully transparent pixels.
std::string icon_bitmap(const picture_image_rec_& im) {
  const uint32_t mask_stride = ((uint32_t(im.width) + 31) / 32) * 4;
  const uint32_t colour_bytes = uint32_t(im.width) * uint32_t(im.height) * 4;
  byte_writer_ w;
  w.put<uint32_t>(40);
  w.put<int32_t>(im.width);
  w.put<int32_t>(im.height * 2);  // colour and mask stacked
  w.put<uint16_t>(1);
  w.put<uint16_t>(32);
  w.put<uint32_t>(0);
  w.put<uint32_t>(colour_bytes + mask_stride * uint32_t(im.height));
  for (int i = 0; i < 4; ++i) w.put<uint32_t>(0);
  for (int32_t y = im.height - 1; y >= 0; --y)
    for (int32_t x = 0; x < im.width; ++x) w.put<uint32_t>(im.pixel_(x, y));
  for (int32_t y = im.height - 1; y >= 0; --y) {
    std::string row(mask_stride, '\0');
    for (int32_t x = 0; x < im.width; ++x)
      if ((im.pixel_(x, y) >> 24) == 0) row[size_t(x / 8)] = char(uint8_t(row[size_t(x / 8)]) | (0x80u >> (x % 8)));
    w.bytes(row);
  }
  return w.take();
}

// type 1 an icon, 2 a pointer (whose entries carry the hot spot where icons keep planes and depth).
std::string icon_file_image(const std::vector<picture_image_rec_>& images, uint16_t type, int32_t hot_x,
                            int32_t hot_y) {
  byte_writer_ w;
  w.put<uint16_t>(0);
  w.put<uint16_t>(type);
  w.put<uint16_t>(uint16_t(images.size()));
  std::vector<std::string> bitmaps;
  for (const picture_image_rec_& im : images) bitmaps.push_back(icon_bitmap(im));
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    w.put<uint8_t>(uint8_t(images[i].width & 0xFF));  // 256 is written as 0
    w.put<uint8_t>(uint8_t(images[i].height & 0xFF));
    w.put<uint8_t>(0);
    w.put<uint8_t>(0);
    w.put<uint16_t>(type == 2 ? uint16_t(hot_x) : 1);
    w.put<uint16_t>(type == 2 ? uint16_t(hot_y) : 32);
    w.put<uint32_t>(uint32_t(bitmaps[i].size()));
    w.put<uint32_t>(offset);
    offset += uint32_t(bitmaps[i].size());
  }
  for (const std::string& b : bitmaps) w.bytes(b);
  return w.take();
}

}  // namespace

bool save_icon_file_(const std::string& path, const std::vector<picture_image_rec_>& images) {
  if (images.empty() || images.size() > 255) return false;
  for (const picture_image_rec_& im : images)
    if (!icon_size_ok(im)) return false;
  return save_file_atomic_(path, icon_file_image(images, 1, 0, 0));
}

bool save_cursor_file_(const std::string& path, const picture_image_rec_& image, int32_t hot_x,
                       int32_t hot_y) {
  if (!icon_size_ok(image) || hot_x < 0 || hot_y < 0 || hot_x >= image.width || hot_y >= image.height)
    return false;
  return save_file_atomic_(path, icon_file_image({image}, 2, hot_x, hot_y));
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

bool save_png_file_(const std::string& path, const picture_image_rec_& image) {
  const std::string bytes = encode_png_(image);
  return !bytes.empty() && save_file_atomic_(path, bytes);
}
