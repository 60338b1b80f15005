// The drawing engine: one instance is one complete drawing.
//
// One class, defined across the engine's area folders. Each area has one block of
// declarations below and one plain state struct (declared at the end, defined in a header
// of its folder). Areas reach each other's state directly. No exception leaves the
// engine: operations answer 0, empty text or false when they fail.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/geometry/geometry_state.h"
#include "engine/model/dimstyle_state.h"
#include "engine/model/docinfo_state.h"
#include "engine/model/page_state.h"
#include "engine/model/records.h"
#include "engine/model/store_state.h"
#include "engine/model/vertex_state.h"
#include "engine/model/view_state.h"
#include "engine/model/width_state.h"
#include "platform/core/types.h"
#include "platform/core/value.h"

class zaz_class_ {
 public:
  zaz_class_();
  ~zaz_class_();
  zaz_class_(const zaz_class_&) = delete;
  zaz_class_& operator=(const zaz_class_&) = delete;

  // ---- Store and adds ---------------------------------------------------------------
  int32_t records_() const;
  int32_t subrecords_(int32_t record_type_) const;
  int32_t table_ubound_(int32_t type, flag16_ snapshot) const;
  int32_t table_grow_step_() const;
  // Appends one table entry of `type` (or a main record for other types), growing the
  // live table by the usual step; false when storage is not available.
  bool table_reserve_(int32_t type, int32_t entry);
  // The add protocol: add_begin_ checks the attributes, grows the tables and fills the
  // main record; the caller fills the entry (store.live.<table>[slot.entry]) and the
  // bounding box, then add_commit_ counts them. Skipping the commit leaves spare slots.
  bool add_begin_(int32_t type, int32_t color, int32_t fill, int32_t style, int32_t width,
                  int32_t layer, add_slot_& slot);
  int32_t add_commit_(const add_slot_& slot);
  object_rec_& object_(int32_t record) { return store.live.objects[record]; }
  const object_rec_& object_(int32_t record) const { return store.live.objects[record]; }
  // Resets the drawing to an empty one: no pages, objects or styles besides the template.
  // New-drawing set-up calls this first.
  void new_empty_drawing_();

  int32_t add_point_(float x_, float y_, uint8_t p_type_ = 1, uint8_t p_size_ = 5,
                     int32_t color_ = color_auto_, int16_t style_ = 0, double width_ = 1,
                     int32_t layer_ = 1);
  int32_t add_line_(float x1_, float y1_, float X2_, float y2_, int32_t color_ = color_auto_,
                    int16_t style_ = 0, int16_t width_ = 1, int32_t layer_ = 1,
                    float shift_val_ = 0);
  int32_t add_rect_(float x1_, float y1_, float X2_, float y2_, int32_t color_ = color_auto_,
                    int32_t fill_ = color_none_, int16_t style_ = 0, int16_t width_ = 1,
                    int32_t layer_ = 1, float shift_val_ = 0);
  int32_t add_polyline_(int32_t color_ = color_auto_, int16_t style_ = 0, int16_t width_ = 1,
                        int32_t layer_ = 1, float shift_val_ = 0);
  int32_t add_polygon_(int32_t color_ = color_auto_, int32_t fill_ = color_none_,
                       int16_t style_ = 0, int16_t width_ = 1, int32_t layer_ = 1,
                       float shift_val_ = 0);
  int32_t add_curve_(flag16_ close_, int32_t color_ = color_auto_, int32_t fill_ = color_none_,
                     int16_t style_ = 0, int16_t width_ = 1, int32_t layer_ = 1);
  int32_t add_arc_(float x_, float y_, float rx_, float ry_, float rot_, float a1_, float a2_,
                   int32_t color_ = color_auto_, int32_t fill_ = color_none_, int16_t style_ = 0,
                   int16_t width_ = 1, int32_t layer_ = 1);
  int32_t add_circle_(float x_, float y_, float rad_, int32_t color_ = color_auto_,
                      int32_t fill_ = color_none_, int16_t style_ = 0, int16_t width_ = 1,
                      int32_t layer_ = 1);
  int32_t add_ellipse_(float x_, float y_, float rx_, float ry_, float rot_ = 0,
                       int32_t color_ = color_auto_, int32_t fill_ = color_none_,
                       int16_t style_ = 0, int16_t width_ = 1, int32_t layer_ = 1);
  // Box of an arc-shaped record sampled from a1 to a2 by `step`; false when no sample.
  bool conic_box_(const arc_rec_& c, float step, object_rec_& obj);

  // ---- Vertex buffers ---------------------------------------------------------------
  void vertex_clear_(flag16_ v2ext_ = false_);
  int32_t vertex_add_(float x_, float y_, float a_ = 0, flag16_ v2ext_ = false_);
  int32_t vertex_count_(flag16_ v2ext_ = false_) const;
  flag16_ vertex_delete_(int32_t v_);
  float vertex_px_(int32_t v_ = 0, flag16_ v2ext_ = false_) const;
  float vertex_py_(int32_t v_ = 0, flag16_ v2ext_ = false_) const;
  float vertex_pa_(int32_t v_ = 0) const;
  void vertex_pa_(int32_t v_, float arc_);
  void vertex_shift_();

  // ---- Document information and host callbacks ---------------------------------------
  std::string information_title_() const;
  void information_title_(const std::string& nval_);
  std::string information_description_() const;
  void information_description_(const std::string& nval_);
  std::string information_author_() const;
  void information_author_(const std::string& nval_);
  int32_t information_objects_all_() const;
  int32_t information_objects_exs_() const;
  int32_t information_objects_del_() const;
  std::string security_password_() const;
  void security_password_(const std::string& nval_);
  void progress_function_(std::function<void()> address_of_);
  void progress_refresh_(int32_t value_);
  int32_t progress_() const;
  void progress_(int32_t value_);
  void break_function_(std::function<void()> address_of_);
  void break_();
  void break_call_();  // calls the break procedure when one is registered

  // ---- Pages and layers -------------------------------------------------------------
  int32_t pages_count_() const;
  int16_t page_active_() const;
  void page_active_(int16_t page_nr_);
  int16_t page_add_(const std::string& title_, float width_, float height_);
  int16_t page_delete_(int16_t page_id_);
  int32_t saved_pages_count_() const;
  std::string page_title_(int16_t pid_) const;
  void page_title_(int16_t pid_, const std::string& pname_);
  int32_t page_unit_(int16_t pid_) const;
  void page_unit_(int16_t pid_, int32_t unit_id_);
  int32_t page_scale_(int16_t pid_) const;
  void page_scale_(int16_t pid_, int32_t scale_id_);
  int32_t page_cx_(int16_t pid_) const;
  void page_cx_(int16_t pid_, int32_t count_);
  int32_t page_cy_(int16_t pid_) const;
  void page_cy_(int16_t pid_, int32_t count_);
  float page_width_(int16_t pid_) const;
  void page_width_(int16_t pid_, float width_);
  float page_height_(int16_t pid_) const;
  void page_height_(int16_t pid_, float height_);
  float page_posx_(int16_t pid_) const;
  void page_posx_(int16_t pid_, float posx_);
  float page_posy_(int16_t pid_) const;
  void page_posy_(int16_t pid_, float posy_);
  flag16_ page_show_border_(int16_t pid_) const;
  void page_show_border_(int16_t pid_, flag16_ visible_);
  flag16_ page_show_coords_(int16_t pid_) const;
  void page_show_coords_(int16_t pid_, flag16_ visible_);
  page_rec_* page_ptr_(int32_t pid);  // nullptr for a number outside 1..count
  const page_rec_* page_ptr_(int32_t pid) const;

  int32_t layers_count_() const;
  int16_t layer_active_() const;
  void layer_active_(int16_t layer_nr_);
  int32_t layer_add_(const std::string& tile_, flag16_ visible_, flag16_ editable,
                     int32_t atr_colord_, int32_t atr_colorf_, int32_t atr_lstyle_,
                     int32_t atr_lwidth_);
  flag16_ layer_delete_(int32_t layer_id_);
  int32_t layer_info_(int32_t layer_) const;
  std::string layer_title_(int16_t lid_) const;
  void layer_title_(int16_t lid_, const std::string& ntitle_);
  flag16_ layer_atr_vis_(int16_t lid_) const;
  void layer_atr_vis_(int16_t lid_, flag16_ nval_);
  flag16_ layer_atr_edt_(int16_t lid_) const;
  void layer_atr_edt_(int16_t lid_, flag16_ nval_);
  int32_t layer_atr_dcolor_(int16_t lid_) const;
  void layer_atr_dcolor_(int16_t lid_, int32_t nval_);
  int32_t layer_atr_fcolor_(int16_t lid_) const;
  void layer_atr_fcolor_(int16_t lid_, int32_t nval_);
  int32_t layer_atr_style_(int16_t lid_) const;
  void layer_atr_style_(int16_t lid_, int32_t nval_);
  int32_t layer_atr_width_(int16_t lid_) const;
  void layer_atr_width_(int16_t lid_, int32_t nval_);
  layer_rec_* layer_ptr_(int32_t lid);  // of the active page; nullptr when missing
  const layer_rec_* layer_ptr_(int32_t lid) const;

  // ---- Views ------------------------------------------------------------------------
  void view_setting_(float posx_, float posy_, float zoom_, int32_t page_);
  float view_zoom_() const;
  void view_zoom_(float Z_);
  float view_posx_() const;
  void view_posx_(float posx_);
  float view_posy_() const;
  void view_posy_(float posy_);
  flag16_ view_gridvisible_() const;
  void view_gridvisible_(flag16_ visible_);
  float view_gridsize_() const;
  void view_gridsize_(float size_);
  flag16_ view_snap2grid_() const;
  void view_snap2grid_(flag16_ snap_);
  flag16_ view_snap2points_() const;
  void view_snap2points_(flag16_ snap_);
  flag16_ view_snap2ang45_() const;
  void view_snap2ang45_(flag16_ snap_);
  flag16_ view_snap2track_() const;
  void view_snap2track_(flag16_ snap_);
  float view_width_() const;
  float view_height_() const;
  view_rec_& active_view_();  // the active page's view
  const view_rec_& active_view_() const;

  // ---- Dimension styles -------------------------------------------------------------
  int32_t dimstyle_add_(const std::string& dsname_);
  std::string dimstyles_title_(int16_t dsid_) const;
  void dimstyles_title_(int16_t dsid_, const std::string& dsname_);
  value_ dimstyles_prop_(int16_t dsid_, int32_t dse_) const;
  void dimstyles_prop_(int16_t dsid_, int32_t dse_, const value_& nval_);
  int32_t dimstyles_count_() const;
  int16_t dimstyle_active_();
  void dimstyle_active_(int16_t dstyle_nr_);
  static dimstyle_rec_ dimstyle_template_();  // the template of a new drawing

  // ---- Widths and point display -----------------------------------------------------
  float line_width_(int32_t id_) const;
  void line_width_(int32_t id_, float width_);
  std::string get_used_attrs_(int32_t toa_) const;
  flag16_ points_on_() const;
  void points_on_(flag16_ nval_);

  // ---- Geometry calculations --------------------------------------------------------
  float clamp_nonzero_(float v) const;
  float calc_angle_(float a_xp_, float a_yp_, float a_xk_, float a_yk_, flag16_ a_st_,
                    float a_av_) const;
  void calc_rotate_00_deg_(float rot_, float px_, float py_, float& rx_, float& ry_);
  void calc_rotate_00_rad_(float rot_, float px_, float py_, float& rx_, float& ry_);
  void rotate_about_deg_(float angle, float px, float py, float cx, float cy, float& x,
                         float& y);
  void rotate_about_rad_(float angle, float px, float py, float cx, float cy, float& x,
                         float& y);
  void calc_arc3p_(float x1_, float y1_, float X2_, float y2_, float x3_, float y3_,
                   float& cx_, float& cy_, float& rad_, float& ang1_, float& ang2_) const;
  void calc_mirror_(float mxp_, float myp_, float mxa_, float mya_, float mxb_, float myb_,
                    float& mirx_, float& miry_) const;
  void calc_cross_lp_(float cx1_, float cy1_, float cx2_, float cy2_, float cxp_, float cyp_,
                      float& crx_, float& cry_) const;
  void calc_cross_2l_(float cx1_, float cy1_, float cx2_, float cy2_, float cx3_, float cy3_,
                      float cx4_, float cy4_, float& crx_, float& cry_, flag16_& ok_) const;
  // True when offset_result_ was written; false (nothing written) when the figure does
  // not fit the offset buffers or the result is not finite.
  bool calc_shift_pline_(float shift_, flag16_ close_);
  float calc_length_() const;
  float calc_area_() const;

  // ---- Selection and attributes -----------------------------------------------------

  // ---- Extents ----------------------------------------------------------------------

  // ---- Transformations and editing --------------------------------------------------

  // ---- Blocks and library -----------------------------------------------------------

  // ---- Fonts and texts --------------------------------------------------------------

  // ---- Hatching ---------------------------------------------------------------------

  // ---- Dimensions and references ----------------------------------------------------

  // ---- File, templates, undo, clipboard ---------------------------------------------

  // ---- Display and previews ---------------------------------------------------------

  // ---- Picking and snapping ---------------------------------------------------------

  // ---- Exchange (DXF) ---------------------------------------------------------------

  // ---- Printing ---------------------------------------------------------------------

  // ==== State, one struct per area, in the same order ================================
  store_state_ store;        // store and adds
  vertex_state_ vertices;    // vertex buffers
  docinfo_state_ docinfo;    // document information
  host_state_ host;          // host callbacks
  page_state_ pages;         // pages and layers
  view_state_ views;         // views
  dimstyle_state_ styles;    // dimension styles
  width_state_ widths;       // widths and point display
  geometry_state_ geometry;  // geometry calculations

  // selection and attributes

  // extents

  // transformations and editing

  // blocks and library

  // fonts and texts

  // hatching

  // dimensions and references

  // file, templates, undo, clipboard

  // display and previews

  // picking and snapping

  // exchange (DXF)

  // printing

};
