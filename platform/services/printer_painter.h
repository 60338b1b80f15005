// The painter of the printer's current page, for platform/gdiplus only. Private to platform/.
#pragma once

class QPainter;
class printer_;

// Valid between begin_document_ and end_document_ (or abort_document_); null otherwise.
QPainter* printer_painter_(printer_& p);
