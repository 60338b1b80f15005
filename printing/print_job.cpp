// The print job: each page as its grid of sheets, one printer page per sheet.
#include <algorithm>

#include "engine/zaz_class.h"
#include "platform/services/printer.h"
#include "platform/services/printer_pdf.h"

void zaz_class_::printing_print_(flag16_ all_, printer_& printer) {
  if (!printer.prints_to_file_() && printer_names_().empty()) {
    message_("message.printernotfound");
    return;
  }
  // The device's own resolution: a quality code is no number of dots.
  const int32_t dpi = printer.dpi_x_();
  int32_t first = page_active_(), last = page_active_();
  if (all_ == true_) first = 1, last = pages_count_();
  if (dpi < 1 || first < 1 || last < first) {
    message_("message.printerror");
    return;
  }
  const bool was_landscape = printer.landscape_();
  bool started = false;
  for (int32_t p = first; p <= last; ++p) {
    const page_rec_* pg = page_ptr_(p);
    if (!pg) continue;
    const bool landscape = pg->width > pg->height;
    const int32_t cx = std::clamp(pg->cx, 1, 999), cy = std::clamp(pg->cy, 1, 999);
    for (int32_t row = cy; row >= 1; --row) {
      for (int32_t column = 1; column <= cx; ++column) {
        // A PDF page is the sheet itself.
        if (printer.prints_to_file_())
          printer.set_paper_mm_(std::min(pg->width, pg->height), std::max(pg->width, pg->height));
        printer.set_landscape_(landscape);
        if (!started) {
          if (!printer.begin_document_("Arvex")) {
            printer.set_landscape_(was_landscape);
            message_("message.printerror");
            return;
          }
          started = true;
        } else {
          printer.new_page_();
        }
        if (auto g = printer_page_graphics_(printer)) print_page_renderer_(*g, dpi, p, column, row);
      }
    }
  }
  printer.set_landscape_(was_landscape);
  if (started && !printer.end_document_()) message_("message.printerror");
}
