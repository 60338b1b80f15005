// Antialiased graphics on the printer's current page, for the engine's page renderer.
#pragma once
#include <memory>

#include "platform/gdiplus/graphics.h"
#include "platform/services/printer.h"

// Graphics over the page being printed (origin at the top-left of the printable area, device
// pixels at the printer's resolution); null outside a document. Release it before the next
// page starts: it restores the page painter's state when it goes.
std::unique_ptr<graphics_> printer_page_graphics_(printer_& p);
