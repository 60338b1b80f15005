// Printing over QPrinter: the system's print service where there is one, else a PDF file.
#include "platform/services/printer.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <cmath>

#include "platform/gdi/qt_bridge.h"
#include "platform/services/printer_painter.h"

struct printer_::impl_ {
  QPrinter printer{QPrinter::HighResolution};
  QPainter painter;
  bool printing = false;
  int32_t page = 0;
};

namespace {

// Without a print service the output is a PDF file; 600 dots per inch keeps pages small
// while thin lines stay sharp.
void use_pdf(QPrinter& p, const QString& path) {
  p.setOutputFormat(QPrinter::PdfFormat);
  p.setOutputFileName(path);
  p.setResolution(600);
}

QString safe_file_name(const std::string& title) {
  QString s = QString::fromStdString(title).trimmed();
  for (QChar& c : s)
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32) c = QLatin1Char('_');
  return s.isEmpty() ? QStringLiteral("print") : s;
}

}  // namespace

std::vector<std::string> printer_names_() {
  std::vector<std::string> out;
  for (const QString& n : QPrinterInfo::availablePrinterNames()) out.push_back(n.toStdString());
  return out;
}

std::string default_printer_name_() { return QPrinterInfo::defaultPrinterName().toStdString(); }

printer_::printer_() : impl_ptr_(std::make_unique<impl_>()) {
  if (QPrinterInfo::availablePrinterNames().isEmpty()) use_pdf(impl_ptr_->printer, QString());
}

printer_::~printer_() {
  if (impl_ptr_->printing) end_document_();
}

bool printer_::select_printer_(const std::string& name) {
  if (impl_ptr_->printing) return false;
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
  if (info.isNull()) return false;
  impl_ptr_->printer.setOutputFormat(QPrinter::NativeFormat);
  impl_ptr_->printer.setPrinterName(info.printerName());
  return true;
}

void printer_::set_output_file_(const std::string& pdf_path) {
  if (!impl_ptr_->printing) use_pdf(impl_ptr_->printer, QString::fromStdString(pdf_path));
}

std::string printer_::output_file_() const { return impl_ptr_->printer.outputFileName().toStdString(); }
bool printer_::prints_to_file_() const { return impl_ptr_->printer.outputFormat() == QPrinter::PdfFormat; }

void printer_::set_landscape_(bool on) {
  impl_ptr_->printer.setPageOrientation(on ? QPageLayout::Landscape : QPageLayout::Portrait);
}
bool printer_::landscape_() const {
  return impl_ptr_->printer.pageLayout().orientation() == QPageLayout::Landscape;
}

bool printer_::set_paper_mm_(double width, double height) {
  if (!(width > 0 && height > 0 && width < 10000 && height < 10000)) return false;
  return impl_ptr_->printer.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Millimeter));
}

void printer_::set_copies_(int32_t copies) { impl_ptr_->printer.setCopyCount(std::max(copies, 1)); }
void printer_::set_resolution_(int32_t dpi) {
  if (dpi > 0 && !impl_ptr_->printing) impl_ptr_->printer.setResolution(dpi);
}

int32_t printer_::page_width_px_() const { return impl_ptr_->printer.pageLayout().paintRectPixels(dpi_x_()).width(); }
int32_t printer_::page_height_px_() const { return impl_ptr_->printer.pageLayout().paintRectPixels(dpi_y_()).height(); }
int32_t printer_::dpi_x_() const { return impl_ptr_->printer.resolution(); }
int32_t printer_::dpi_y_() const { return impl_ptr_->printer.resolution(); }
double printer_::paper_width_mm_() const { return impl_ptr_->printer.pageLayout().fullRect(QPageLayout::Millimeter).width(); }
double printer_::paper_height_mm_() const { return impl_ptr_->printer.pageLayout().fullRect(QPageLayout::Millimeter).height(); }
int32_t printer_::margin_left_px_() const { return impl_ptr_->printer.pageLayout().paintRectPixels(dpi_x_()).left(); }
int32_t printer_::margin_top_px_() const { return impl_ptr_->printer.pageLayout().paintRectPixels(dpi_y_()).top(); }

bool printer_::begin_document_(const std::string& title) {
  impl_& d = *impl_ptr_;
  if (d.printing) return false;
  d.printer.setDocName(QString::fromStdString(title));
  if (d.printer.outputFormat() == QPrinter::PdfFormat && d.printer.outputFileName().isEmpty()) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    d.printer.setOutputFileName(QDir(folder).filePath(safe_file_name(title) + QStringLiteral(".pdf")));
  }
  if (!d.painter.begin(&d.printer)) return false;
  d.printing = true;
  d.page = 1;
  return true;
}

bool printer_::new_page_() {
  impl_& d = *impl_ptr_;
  if (!d.printing || !d.printer.newPage()) return false;
  ++d.page;
  return true;
}

bool printer_::end_document_() {
  impl_& d = *impl_ptr_;
  if (!d.printing) return false;
  d.printing = false;
  d.page = 0;
  return d.painter.end();
}

void printer_::abort_document_() {
  impl_& d = *impl_ptr_;
  if (!d.printing) return;
  d.printing = false;
  d.page = 0;
  d.printer.abort();
  d.painter.end();
  // A half-written file would pass for a finished one.
  if (d.printer.outputFormat() == QPrinter::PdfFormat) QFile::remove(d.printer.outputFileName());
}

bool printer_::draw_surface_(const surface_& s, int32_t x, int32_t y, int32_t width, int32_t height) {
  impl_& d = *impl_ptr_;
  if (!d.printing || s.empty_() || width <= 0 || height <= 0) return false;
  d.painter.drawImage(QRect(x, y, width, height), qimage_view_of_(s));
  return true;
}

bool printer_::printing_() const { return impl_ptr_->printing; }
int32_t printer_::page_number_() const { return impl_ptr_->page; }

QPainter* printer_painter_(printer_& p) {
  printer_::impl_* d = p.impl_for_platform_();
  return d && d->printing ? &d->painter : nullptr;
}
