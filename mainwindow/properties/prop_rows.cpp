// The rows of the property grid per object kind, and the editor's refresh. The rows are a
// snapshot: they are read from the first selected object of the active page (or from the
// drawing and the active page) at each rebuild and only repainted in between.
#include <charconv>
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/properties/prop_editor.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"
#include "platform/window/window.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/skin_palette.h"

namespace {

struct row_ {
  const char* key;
  const char* caption;
  int32_t type;
  int32_t prop;
};

// A dimension row and the kinds that get it: linear (12), angular (13), reference (14).
struct dim_row_ {
  row_ row;
  bool k12, k13, k14;
};

const row_ point_rows_[] = {{"X", "edit.x", 14, 10}, {"Y", "edit.y", 14, 11}};
const row_ line_rows_[] = {{"X1", "edit.x1", 14, 12}, {"Y1", "edit.y1", 14, 13}, {"X2", "edit.x2", 14, 14},
                           {"Y2", "edit.y2", 14, 15}, {"LE", "edit.lenght", 14, 29}, {"AN", "edit.angle", 12, 28}};
const row_ vertex_rows_[] = {{"VC", "edit.vertexs", 10, 33}, {"VI", "edit.vert_id", 10, 34},
                             {"VX", "edit.vert_x", 14, 35}, {"VY", "edit.vert_y", 14, 36}};
const row_ arc_rows_[] = {{"X", "edit.x", 14, 10},  {"Y", "edit.y", 14, 11},  {"R1", "edit.r1", 14, 19},
                          {"R2", "edit.r2", 14, 20}, {"A1", "edit.a1", 12, 21}, {"A2", "edit.a2", 12, 22},
                          {"ROT", "edit.rotate", 12, 27}};
const row_ ellipse_rows_[] = {{"X", "edit.x", 14, 10}, {"Y", "edit.y", 14, 11}, {"R1", "edit.r1", 14, 19},
                              {"R2", "edit.r2", 14, 20}, {"ROT", "edit.rotate", 12, 27}};
const row_ hatch_rows_[] = {{"SXY", "edit.scale", 14, 26}, {"ROT", "edit.rotate", 12, 27}};
const row_ text_geo_rows_[] = {{"ROT", "edit.rotate", 12, 27}, {"TH", "edit.fonth", 14, 30}, {"TW", "edit.fontw", 12, 31}};
const row_ text_rows_[] = {{"TXT", "edit.text", 7, 101}, {"TXF", "edit.font", 7, 100}};
const row_ image_rows_[] = {{"X1", "edit.x1", 14, 12}, {"Y1", "edit.y1", 14, 13}, {"X2", "edit.x2", 14, 14},
                            {"Y2", "edit.y2", 14, 15}, {"X3", "edit.x3", 14, 16}, {"Y3", "edit.y3", 14, 17},
                            {"WID", "edit.width", 14, 31}, {"HEI", "edit.height", 14, 30}};
const row_ insert_rows_[] = {{"X", "edit.x", 14, 10},  {"Y", "edit.y", 14, 11}, {"SX", "edit.sx", 14, 24},
                             {"SY", "edit.sy", 14, 25}, {"ROT", "edit.rotate", 12, 27}, {"BNAME", "edit.blockname", 7, 300}};

const dim_row_ dim_s_rows_[] = {{{"DIM.SN", "edit.dim.name", 7, 200}, true, true, true}};
const dim_row_ dim_a_rows_[] = {
    {{"DIM.A1", "edit.dim.a1", 20, 201}, true, true, false},  {{"DIM.A2", "edit.dim.a2", 20, 202}, true, true, false},
    {{"DIM.RF", "edit.dim.rf", 20, 203}, false, false, true}, {{"DIM.AS", "edit.dim.asize", 12, 204}, true, true, true},
    {{"DIM.C0", "edit.dim.color0", 21, 205}, true, true, true}, {{"DIM.C1", "edit.dim.color1", 21, 206}, true, true, true},
    {{"DIM.LD1", "edit.dim.line.d1", 17, 207}, true, true, false}, {{"DIM.LD2", "edit.dim.line.d2", 17, 208}, true, true, false},
    {{"DIM.LE1", "edit.dim.line.e1", 17, 209}, true, true, false}, {{"DIM.LE2", "edit.dim.line.e2", 17, 210}, true, true, false}};
const dim_row_ dim_t_rows_[] = {
    {{"DIM.TF", "edit.dim.text.font", 24, 211}, true, true, true},
    {{"DIM.TS", "edit.dim.text.size", 12, 212}, true, true, true},
    {{"DIM.TC0", "edit.dim.text.color", 22, 213}, true, true, true},
    {{"DIM.TC1", "edit.dim.text.bgcol", 23, 214}, true, true, true},
    {{"DIM.TAV", "edit.dim.text.valign", 25, 215}, true, true, true},
    {{"DIM.TAH", "edit.dim.text.halign", 26, 216}, true, true, true},
    {{"DIM.TDS", "edit.dim.text.distance", 12, 217}, true, true, true},
    {{"DIM.THO", "edit.dim.text.horizontal", 17, 218}, true, true, true},
    {{"DIM.TBO", "edit.dim.text.border", 17, 219}, true, true, true}};
const dim_row_ dim_u_rows_[] = {
    {{"DIM.U1TLN", "edit.dim.unit.typeln", 27, 220}, true, false, false},
    {{"DIM.U1TAN", "edit.dim.unit.typean", 29, 225}, false, true, false},
    {{"DIM.U1PAN", "edit.dim.unit.precan", 30, 226}, false, true, false},
    {{"DIM.U1SEP", "edit.dim.unit.sep", 7, 221}, true, true, false},
    {{"DIM.U1PLN", "edit.dim.unit.precln", 28, 222}, true, false, false},
    {{"DIM.U1E1", "edit.dim.unit.ext1", 7, 223}, true, true, false},
    {{"DIM.U1E2", "edit.dim.unit.ext2", 7, 224}, true, true, false},
    {{"DIM.U1SCA", "edit.dim.unit.scale", 14, 227}, true, true, false},
    {{"DIM.U2ON", "edit.dim.unit2.on", 17, 228}, true, false, false},
    {{"DIM.U2TLN", "edit.dim.unit2.typeln", 27, 229}, true, false, false},
    {{"DIM.U2PLN", "edit.dim.unit2.precln", 28, 230}, true, false, false},
    {{"DIM.U2E1", "edit.dim.unit2.ext1", 7, 231}, true, true, false},
    {{"DIM.U2E2", "edit.dim.unit2.ext2", 7, 232}, true, true, false},
    {{"DIM.U2SCA", "edit.dim.unit2.scale", 14, 233}, true, true, false}};
const dim_row_ dim_o_rows_[] = {
    {{"DIM.OSC", "edit.dim.oth.scale", 14, 234}, true, true, true},
    {{"DIM.TON", "edit.dim.oth.tol.on", 17, 235}, true, false, false},
    {{"DIM.TB2", "edit.dim.oth.tol.b2", 17, 236}, true, false, false},
    {{"DIM.TPRC", "edit.dim.oth.tol.prec", 28, 237}, true, false, false},
    {{"DIM.TPRC2", "edit.dim.oth.tol.prec2", 28, 238}, true, false, false},
    {{"DIM.TUP", "edit.dim.oth.tol.up", 14, 239}, true, false, false},
    {{"DIM.TDW", "edit.dim.oth.tol.dw", 14, 240}, true, false, false}};

// Properties delivered as Doubles (more digits in their text).
bool double_prop_(int32_t kind, int32_t prop) {
  return prop == 29 || prop == 18 || (kind == ot_image_ && (prop == 30 || prop == 31));
}

// Whole numbers in decimal, others with up to `digits` significant digits; "." as the point
// whatever the process locale.
std::string general_(double v, int digits) {
  char buf[400];
  const auto r = std::nearbyint(v) == v && std::fabs(v) < 1e15
                     ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 0)
                     : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
  return std::string(buf, r.ptr);
}

// The value of a property as the row shows it: integers in decimal, Singles with up to 7
// significant digits and Doubles with up to 15, flags as True or False, texts unchanged.
std::string prop_value_text_(const value_& v, int32_t kind, int32_t prop, int32_t type) {
  if (v.is_text()) return v.text;
  if (type == 17) return v.number != 0 ? "True" : "False";
  return general_(v.number, double_prop_(kind, prop) ? 15 : 7);
}

}  // namespace

void prop_editor_::build_edit_rows_(bool reset) {
  hide_editors_();
  zaz_class_& e = host_.engine();
  const skin_palette_rec_& p = skin_palette_;
  int32_t rec = 0;
  const int32_t kind = e.select_fobj_(rec);
  window_& panel = host_.panel2();
  e.edit_clear_(0, 0, panel.client_width_(), panel.client_height_(), p.color_prop_r0, p.color_prop_r1,
                p.color_prop_gbg, p.color_prop_bbg, p.color_prop_gtxt, p.color_prop_txt, skin_color_(18),
                to_flag_(reset));
  const auto group = [&](const char* key, const char* caption) { return e.edit_add_group_(key, lang_text_(caption), 0); };
  const auto add = [&](int32_t g, const row_& r) {
    e.edit_add_item_(g, r.key, lang_text_(r.caption), r.type, prop_value_text_(e.edit_prop_(rec, r.prop), kind, r.prop, r.type));
  };
  const auto add_all = [&](int32_t g, const auto& rows) {
    for (const row_& r : rows) add(g, r);
  };
  const auto add_dims = [&](int32_t g, const auto& rows) {
    for (const dim_row_& d : rows)
      if ((kind == ot_dimension_ && d.k12) || (kind == ot_angular_dim_ && d.k13) || (kind == ot_reference_ && d.k14))
        add(g, d.row);
  };
  if (kind >= 1 && kind <= 15) {
    const bool two = kind == ot_polygon_ || (kind >= ot_arc_ && kind <= ot_hatch_) || kind == ot_block_insert_;
    const int32_t atr = group("ATR", "edit.group.atr");
    add(atr, {"C1", two ? "edit.linecolor" : "edit.color", 1, 1});
    if (two) add(atr, {"C2", "edit.fillcolor", 2, 2});
    add(atr, {"ST", "edit.style", 3, 3});
    add(atr, {"WI", "edit.weight", 4, 4});
    add(atr, {"LA", "edit.layer", 5, 5});
    if (kind >= ot_dimension_ && kind <= ot_reference_) {
      add_dims(group("DIM.S", "edit.group.dim.style"), dim_s_rows_);
      add_dims(group("DIM.A", "edit.group.dim.arrows"), dim_a_rows_);
      add_dims(group("DIM.T", "edit.group.dim.text"), dim_t_rows_);
      if (kind != ot_reference_) add_dims(group("DIM.U", "edit.group.dim.units"), dim_u_rows_);
      add_dims(group("DIM.O", "edit.group.dim.other"), dim_o_rows_);
    } else {
      const int32_t geo = group("GEO", "edit.group.geo");
      switch (kind) {
        case ot_point_: add_all(geo, point_rows_); break;
        case ot_line_: add_all(geo, line_rows_); break;
        case ot_curve_: add_all(geo, vertex_rows_); add(geo, {"CC", "edit.cclose", 17, 32}); break;
        case ot_polyline_: case ot_polygon_: add_all(geo, vertex_rows_); break;
        case ot_arc_: add_all(geo, arc_rows_); break;
        case ot_circle_: {
          add(geo, {"X", "edit.x", 14, 10});
          add(geo, {"Y", "edit.y", 14, 11});
          if (e.edit_prop_(rec, 19) == e.edit_prop_(rec, 20)) {
            add(geo, {"R0", "edit.r", 14, 19});
          } else {
            add(geo, {"R1", "edit.r1", 14, 19});
            add(geo, {"R2", "edit.r2", 14, 20});
          }
          add(geo, {"ROT", "edit.rotate", 12, 27});
          break;
        }
        case ot_ellipse_: add_all(geo, ellipse_rows_); break;
        case ot_hatch_: add_all(geo, vertex_rows_); add_all(geo, hatch_rows_); break;
        case ot_text_: add_all(geo, text_geo_rows_); add_all(group("TXT", "edit.group.txt"), text_rows_); break;
        case ot_image_: add_all(geo, image_rows_); add(group("GEO", "edit.group.img"), {"IMG", "edit.image", 7, 103}); break;
        case ot_block_insert_: add_all(geo, insert_rows_); break;
        default: break;
      }
    }
  } else {
    const int32_t proj = group("PROJ", "edit.group.proj");
    e.edit_add_item_(proj, "PROJ.BGCOL", lang_text_("edit.proj.color"), 111, std::to_string(e.backcolor_()));
    const int32_t page = group("PAGE", "edit.group.page");
    const int16_t pid = e.page_active_();
    const auto item = [&](const char* key, const char* caption, int32_t type, const std::string& v) {
      e.edit_add_item_(page, key, lang_text_(caption), type, v);
    };
    item("PAGE.TITLE", "edit.page.title", 110, e.page_title_(pid));
    item("PAGE.WIDTH", "edit.page.w", 12, general_(e.page_width_(pid), 7));
    item("PAGE.HEIGHT", "edit.page.h", 12, general_(e.page_height_(pid), 7));
    item("PAGE.PPX", "edit.page.cx", 10, std::to_string(e.page_cx_(pid)));
    item("PAGE.PPY", "edit.page.cy", 10, std::to_string(e.page_cy_(pid)));
    item("PAGE.SCALE", "edit.page.scale", 114, std::to_string(e.page_scale_(pid)));
    item("PAGE.UNIT", "edit.page.unit", 115, std::to_string(e.page_unit_(pid)));
  }
  e.edit_recalc_();
}

void prop_editor_::ref_edit_(flag16_ set_, flag16_ reset_) {
  if (host_.side_panel_mode() != 2) return;
  if (is_set_(set_)) build_edit_rows_(is_set_(reset_));
  zaz_class_& e = host_.engine();
  window_& panel = host_.panel2();
  surface_& s = panel.client_surface_();
  dc_ dc(s);
  const uint32_t bg = static_cast<uint32_t>(skin_palette_.color_background) & 0xFFFFFF;
  panel.set_background_(bg);
  dc.fill_rectangle_({0, 0, s.width_(), s.height_()}, bg);
  dc.set_bk_mode_(bk_mode_::transparent_);
  font_ f;
  f.face = "Tahoma";  // the platform takes its substitute where not installed
  f.height = -11;  // 8 points
  dc.select_font_(f);
  e.edit_icon_painter_([](dc_& d, int32_t x, int32_t y, int32_t id) {
    draw_table_icon_(d, float(x), float(y), 16, id, true_, true_, true_, 0, false_);
  });
  e.edit_draw_(panel.client_rect_(), dc, lang_text_("common.yes"), lang_text_("common.no"));
  panel.invalidate_();
}

void prop_editor_::hide_editors_() {
  if (window_* w = host_.cedit().win_()) w->hide_();
  if (window_* w = host_.tedit().win_()) w->hide_();
}
