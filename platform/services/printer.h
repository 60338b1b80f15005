// Printing: a document of pages on a printer or, where no print service exists (and in
// tests), in a PDF file. Pages are painted through platform/gdiplus.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/surface.h"

std::vector<std::string> printer_names_();
std::string default_printer_name_();

class printer_ {
 public:
  printer_();
  ~printer_();
  printer_(const printer_&) = delete;
  printer_& operator=(const printer_&) = delete;

  // Chooses a printer by name; false when unknown (the choice stays). A PDF file as output
  // overrides the printer.
  bool select_printer_(const std::string& name);
  void set_output_file_(const std::string& pdf_path);
  std::string output_file_() const;
  bool prints_to_file_() const;
  void set_landscape_(bool on);
  bool landscape_() const;
  // Paper size in millimetres (portrait); false for a size the printer refuses.
  bool set_paper_mm_(double width, double height);
  void set_copies_(int32_t copies);
  void set_resolution_(int32_t dpi);

  // The page as painted: pixel sizes of the printable area and its resolution.
  int32_t page_width_px_() const;
  int32_t page_height_px_() const;
  int32_t dpi_x_() const;
  int32_t dpi_y_() const;
  double paper_width_mm_() const;   // of the oriented sheet
  double paper_height_mm_() const;
  // Offset of the printable area from the sheet's corner in pixels.
  int32_t margin_left_px_() const;
  int32_t margin_top_px_() const;

  bool begin_document_(const std::string& title);
  bool new_page_();
  bool end_document_();
  void abort_document_();
  bool printing_() const;
  // Puts a surface on the current page, scaled into a rectangle of page pixels (pictures,
  // pages rendered off screen).
  bool draw_surface_(const surface_& s, int32_t x, int32_t y, int32_t width, int32_t height);
  int32_t page_number_() const;  // 1 for the first page, 0 outside a document

  struct impl_;
  impl_* impl_for_platform_() const { return impl_ptr_.get(); }

 private:
  std::unique_ptr<impl_> impl_ptr_;
};
