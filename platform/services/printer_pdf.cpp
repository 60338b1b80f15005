#include "platform/services/printer_pdf.h"

#include "platform/services/printer_painter.h"

std::unique_ptr<graphics_> printer_page_graphics_(printer_& p) {
  QPainter* painter = printer_painter_(p);
  if (!painter) return nullptr;
  auto g = std::make_unique<graphics_>(painter);
  if (!g->valid_()) return nullptr;
  return g;
}
