// Qt views of our surfaces, for platform code only (windows, printing, antialiased graphics).
// Code above the platform layer never includes this header.
#pragma once
#include <QImage>

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

// A QImage over the surface's own memory, without copying: drawing through either shows in
// both. Opaque surfaces appear as RGB32, alpha surfaces as premultiplied ARGB32. Valid until
// the surface is resized or destroyed; a null image for an empty surface.
inline QImage qimage_of_(surface_& s) {
  if (s.empty_()) return QImage();
  return QImage(s.bits_(), s.width_(), s.height_(), s.stride_(),
                s.kind_() == surface_kind_::opaque_ ? QImage::Format_RGB32
                                                    : QImage::Format_ARGB32_Premultiplied);
}

// A read-only view (QImage's const-data constructor: writing to it detaches into a copy).
inline QImage qimage_view_of_(const surface_& s) {
  if (s.empty_()) return QImage();
  return QImage(s.bits_(), s.width_(), s.height_(), s.stride_(),
                s.kind_() == surface_kind_::opaque_ ? QImage::Format_RGB32
                                                    : QImage::Format_ARGB32_Premultiplied);
}

// Copies a QImage into a surface of its size (e.g. a loaded picture); false when empty or too large.
inline bool surface_from_qimage_(const QImage& image, surface_& out) {
  if (image.isNull()) return false;
  const bool alpha = image.hasAlphaChannel();
  QImage src = image.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  out.set_kind_(alpha ? surface_kind_::alpha_ : surface_kind_::opaque_);
  if (!out.resize_(src.width(), src.height())) return false;
  for (int y = 0; y < src.height(); ++y) {
    const auto* line = reinterpret_cast<const uint32_t*>(src.constScanLine(y));
    uint32_t* row = out.row_(y);
    for (int x = 0; x < src.width(); ++x) row[x] = alpha ? line[x] : (line[x] | 0xFF000000u);
  }
  return true;
}

// Makes sure a Qt application object exists (fonts and painting need one). The program's own
// start-up creates it first; tests and tools that draw without windows get a widgets
// application on the offscreen platform when no display is set. Call it instead of
// constructing a second application object.
void ensure_qt_app_();
// Constructs the one application object, on the offscreen platform when no display is set.
// Callers decide its lifetime.
class QApplication;
QApplication* new_qt_application_();

// The clip of a device context as a Qt region.
class QRegion;
QRegion qregion_of_(const region_& r);
