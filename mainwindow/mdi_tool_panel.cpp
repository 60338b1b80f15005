// The tool panel: its groups, rows and events.
#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

// The tool panel's stand-in: the attribute group the tools will fill.
void MDI_::build_tool_panel_() { panel_->add_group_("ATTR", "Attributes"); }
