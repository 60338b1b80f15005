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
#include <string_view>
#include <vector>

#include "engine/file/file_state.h"
#include "engine/display/mask_state.h"
#include "engine/display/paint_state.h"
#include "engine/display/preview_state.h"
#include "engine/fonts/font_state.h"
#include "engine/geometry/edit_state.h"
#include "engine/geometry/geometry_state.h"
#include "engine/geometry/library_state.h"
#include "engine/hatch/hatch_state.h"
#include "engine/model/dimstyle_state.h"
#include "engine/model/docinfo_state.h"
#include "engine/model/page_state.h"
#include "engine/model/pick_state.h"
#include "engine/model/records.h"
#include "engine/model/selection_state.h"
#include "engine/model/store_state.h"
#include "engine/model/vertex_state.h"
#include "engine/model/view_state.h"
#include "engine/properties/grid_state.h"
#include "engine/model/width_state.h"
#include "exchange/dxf_state.h"
#include "platform/core/binary_io.h"
#include "printing/print_state.h"
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
  // Makes entry `entry` of the live table of `type` (the main table for types outside
  // 1..16) addressable, growing the storage by the usual step when its upper bound is
  // below it; false when storage is not available. Write an entry only after this call:
  // storage between the entries in use and the upper bound is reserved, not constructed.
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
  // Removes style dsid_ as one undo step ("change.dimstyle.del"), refused while it is the only
  // style or a dimension or reference not deleted refers to it: the records of later styles
  // move down one, deleted ones of the removed style fall back to the template (0), and the
  // active style keeps its style (the following one when it was removed). Undo puts it back.
  dimstyle_del_result_ dimstyle_delete_(int16_t dsid_);
  // The dimensions and references not deleted that refer to style dsid_ (block members too).
  int32_t dimstyle_users_(int16_t dsid_) const;
  // Applies one side of an undo step's style change (undo_ true: the side before it).
  void dimstyle_step_apply_(const dimstyle_step_rec_& step_, bool undo_);

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
  // Selection of the active page; every operation answers 0 unless it says otherwise.
  int32_t select_all_();
  int32_t select_invert_();
  int32_t select_clear_();
  int32_t select_only_(int32_t select_type_, int32_t dcolor_, int32_t fcolor_, int32_t lstyle_,
                       int32_t lwidth_, int32_t layer_, int32_t otype_);
  int32_t select_box_(const float& sx1_, const float& sy1_, const float& sx2_,
                      const float& sy2_, int32_t type_ = 0);
  int32_t select_info_() const;
  int32_t select_fobj_(int32_t& getrec_) const;
  int16_t select_record_(int32_t rec_id_) const;
  void select_record_(int32_t rec_id_, int16_t sval_);
  int32_t delete_object_(int32_t record_);
  value_ shbox_id_(int32_t wcx_, int32_t wcy_) const;
  // Attribute setters act on the selection of the active page.
  void set_color_d_(int32_t dcolor_);
  void set_color_f_(int32_t fcolor_);
  void set_style_(int32_t lstyle_);
  void set_width_(int32_t lwidth_);
  void set_layer_(int32_t layer_);
  flag16_ attrib_color_() const;
  void attrib_color_(flag16_ nval_);
  flag16_ attrib_style_() const;
  void attrib_style_(flag16_ nval_);
  flag16_ attrib_width_() const;
  void attrib_width_(flag16_ nval_);
  int32_t backcolor_() const;
  void backcolor_(int32_t ncval_);
  float point_size_() const;
  // Tracking points of the active page's view (newest in slot 1, at most 64).
  void hpoint_clear_();
  int32_t hpoint_count_() const;
  flag16_ hpoint_exists_(int32_t object_) const;
  void hpoint_add_(float hpx_, float hpy_, int32_t obj_);
  void hpoint_del_(int32_t obj_id_);

  // ---- Extents ----------------------------------------------------------------------
  void calc_extents_(flag16_ selected_only, int16_t selected_value, flag16_ visible_only,
                     int32_t record);
  value_ get_exarea_(float& fsx1_, float& fsy1_, float& fsx2_, float& fsy2_,
                     flag16_ select_only_);
  void view_all_(flag16_ select_only_, int32_t recid_);
  // Rebuilds the stored bounding box of one record from its per-kind data.
  void calc_orect_(int32_t record_);
  void block_extents_(const int32_t& block_id, float x, float y, float sx, float sy, float rot,
                      float& x1, float& y1, float& x2, float& y2);
  void extent_image_(const image_rec_& r, float& x1, float& y1, float& x2, float& y2) const;
  void extent_dimension_(const dimension_rec_& r, float& x1, float& y1, float& x2,
                         float& y2) const;
  void extent_angular_dim_(const angular_dim_rec_& r, float& x1, float& y1, float& x2,
                           float& y2);
  void extent_point_list_(const reference_rec_& r, float& x1, float& y1, float& x2,
                          float& y2) const;
  // Box of a text record placed at (x, y) with rotation rot (radians), as painted.
  void text_extent_(const text_rec_& t, float x, float y, float rot, float& x1, float& y1,
                    float& x2, float& y2);

  // ---- Transformations and editing --------------------------------------------------
  // record_ > 0 treats that record alone; 0 or less the selection of the active page.
  int32_t transform_copy_(int32_t record_);
  void transform_move_(float mx_, float my_, int32_t record_);
  void transform_rotate_(float rot_, float ox_, float oy_, int32_t record_);
  void transform_mirror_(float mx1_, float my1_, float mx2_, float my2_, int32_t record_);
  void transform_scale_(float x0_, float y0_, float sx_, float sy_, int32_t record_);
  void transform_array_rect_(int32_t max_ix_, int32_t max_iy_, float mx_, float my_);
  void transform_array_circ_(float ox_, float oy_, int32_t max_ix_, int32_t max_iy_, float mx_,
                             float rot_);
  void arrange_order_(int32_t Order_);
  void arrange_align_(int32_t align_);
  void arrange_resize_(int32_t a2size_);
  void arrange_space_(int32_t dtype_);
  int16_t conv2pl_(flag16_ c2lines_);
  int16_t conv2pg_();
  // Flattens a curve (points[i - 1] is point i, as in the vertex buffers) into the second
  // vertex buffer, 101 points per Bezier segment.
  void curve_to_vertices_(const std::vector<vertex_rec_>& points, int32_t count);
  void bezier_to_vertices_(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                           float y4);
  // Modifications of one or two picked figures; -1 when the drawing changed, 0 when
  // nothing was done.
  flag16_ mod_exln_(int32_t obj_id_, float px1_, float py1_, float px2_, float py2_);
  flag16_ mod_objcut_(int32_t obj1_, float px1_, float py1_, int32_t obj2_, float px2_,
                      float py2_);
  flag16_ mod_join_(int32_t obj1_, float px1_, float py1_, int32_t obj2_, float px2_, float py2_);
  // Chamfer and fillet add a line or arc across a polyline or polygon corner; -1 only when
  // that figure was added.
  flag16_ mod_vslash_(int32_t obj_id_, float px_, float py_, float val_);
  flag16_ mod_vround_(int32_t obj_id_, float px_, float py_, float val_);

  // ---- Blocks and library -----------------------------------------------------------
  int32_t add_block_(int32_t block_id_, float x0_, float y0_, float sx_ = 1, float sy_ = 1,
                     float rot_ = 0, int32_t color_ = color_auto_, int16_t style_ = 0,
                     double width_ = 1, int32_t layer_ = 1);
  int32_t add_bgroup_(float x1_, float y1_, float X2_, float y2_, const std::string& gname_,
                      int32_t color_ = color_auto_, int32_t fill_ = color_none_,
                      int16_t style_ = 0, int16_t width_ = 1, int32_t layer_ = 1);
  int32_t libdir_count_() const;
  int32_t libdir_add_(const std::string& title_, int32_t sub_);
  int32_t libdir_del_(int32_t id_);
  std::string libdir_title_(int32_t id_) const;
  void libdir_title_(int32_t id_, const std::string& title_);
  int32_t libdir_sub_(int32_t id_) const;
  void libdir_sub_(int32_t id_, int32_t sub_);
  int32_t block_create_(const std::string& block_name_, float cx_, float cy_, flag16_ hidden_);
  int32_t blocks_count_() const;
  std::string blocks_name_(int32_t bid_) const;
  void blocks_name_(int32_t bid_, const std::string& newname_);
  flag16_ blocks_hidden_(int32_t bid_) const;
  void blocks_hidden_(int32_t bid_, flag16_ newvalue_);
  int32_t blocks_group_(int32_t bid_) const;
  void blocks_group_(int32_t bid_, int32_t newgroup_);
  flag16_ blocks_delete_(int32_t bid_, flag16_ force_);
  int16_t blocks_break_();
  void text_explode_(int32_t record);
  void bg2ldir_();

  // ---- Fonts and texts --------------------------------------------------------------
  // Loads a stroke-font file as the new last font and makes it active; its id, 0 on failure.
  int32_t font_add_(const std::string& filename_);
  int32_t font_id_() const;
  void font_id_(int32_t nfid_);  // ignored outside 1..font_count_
  std::string font_name_(int32_t fid_) const;
  int32_t font_count_() const;
  // Empties the font table (no fonts, active font 0).
  void font_clear_();
  // Loads the two default fonts from `folder` (the program's folder when empty) and makes
  // the first active; the number of fonts loaded.
  int32_t font_load_defaults_(const std::string& folder = {});
  // Writes font fid_ (1 or more), else the system font selected into hdc_ (when given),
  // else the buffer as font_gettc4_ left it, as a stroke-font file. False, with any old file
  // left as it was, for a blank name, an unknown font, no source or a failed write.
  bool font_save_(const std::string& filename_, dc_* hdc_, int32_t fid_);
  // Reads a glyph description text into the conversion buffer.
  bool font_gettc4_(const std::string& tc4font_);
  // Converts one code of the system font selected into hdc into the conversion buffer.
  bool read_glyph_outline_(dc_& hdc, uint8_t code);
  void store_glyph_outline_(uint8_t code);
  // The box of a text (UTF-8) as painted: glyph points only; (x, y) when there are none.
  void measure_text_(int32_t font_id, const std::string& text, float x, float y, float height,
                     float width_factor, float angle, float& x1, float& y1, float& x2,
                     float& y2) const;
  // Paints a text (UTF-8) with the pen, brush and fill mode selected into hdc.
  void draw_text_glyphs_(dc_& hdc, const view_transform_rec_& view, int32_t font_id,
                         const std::string& text, float x, float y, float height,
                         float width_factor, float angle);
  int32_t add_text_(const std::string& text_, int32_t font_, float x0_, float y0_, float th_,
                    float ts_ = 1, float rot_ = 0, int32_t color_ = color_auto_,
                    int16_t style_ = 0, int16_t width_ = 1, int32_t layer_ = 1);
  int32_t add_image_(const std::string& path_, float x0_, float y0_, float iw_, float ih_,
                     int32_t layer_ = 1);

  // ---- Hatching ---------------------------------------------------------------------
  // The pattern new hatches get; any value is kept, codes without a pattern give no lines.
  int32_t hatch_active_() const;
  void hatch_active_(int32_t pattern_);
  // Paints a swatch of pattern id_: a white square of side |hsize_| at (hx_, hy_), in a
  // border square of colour brcol_ when border_ is -1.
  void hatch_paint_(int32_t id_, dc_& hdc_, int32_t hx_, int32_t hy_, int32_t hsize_,
                    flag16_ border_, int32_t brcol_);
  // Prepares a hatch record's lines and tile origins; -1 when placed, 0 (record unchanged)
  // for an empty pattern, a flat boundary or more than 201 tiles across.
  flag16_ hatch_calc_lines_(hatch_rec_& hatch_);
  // Adds a hatch over the main vertex buffer (rotation in degrees); 0 when refused, and
  // when its tiles cannot be placed, which the host also hears as "message.toolargehatch".
  int32_t add_hatch_(int32_t ht_pid_, float ht_sxy_ = 1, float ht_rot_ = 0,
                     int32_t color_ = color_auto_, int32_t fill_ = color_none_,
                     int16_t style_ = 0, int16_t width_ = 1, int32_t layer_ = 1,
                     float shift_val_ = 0);
  // The host's sink for warnings by language key (a box with a warning icon in the program).
  void message_function_(std::function<void(const std::string& key)> sink_);
  void message_(const std::string& key);

  // ---- Dimensions and references ----------------------------------------------------
  // The sample text of a length unit type and accuracy, as the style dialog lists them.
  std::string get_dim_acc_(uint8_t type_, uint8_t acc_) const;
  // Adds a dimension or reference with a copy of dimension style style_id_, built at once;
  // the new record number, 0 when refused. None of them makes an undo step.
  int32_t add_dimf_(int32_t style_id_, float dx1_, float dy1_, float dx2_, float dy2_, float dx3_,
                    float dy3_, float dx4_, float dy4_, float length_, int32_t color_,
                    int16_t style_, int16_t width_, int32_t layer_, const std::string& dimtext_);
  int32_t add_dimh_(int32_t style_id_, float dx1_, float dy1_, float dx2_, float dy2_, float ex0_,
                    float ey0_, float length_, int32_t color_, int16_t style_, int16_t width_,
                    int32_t layer_, const std::string& dimtext_);
  int32_t add_dimv_(int32_t style_id_, float dx1_, float dy1_, float dx2_, float dy2_, float ex0_,
                    float ey0_, float length_, int32_t color_, int16_t style_, int16_t width_,
                    int32_t layer_, const std::string& dimtext_);
  int32_t add_dimr_(int32_t style_id_, int32_t obj_id_, float cux_, float cuy_, float length_,
                    int32_t color_, int16_t style_, int16_t width_, int32_t layer_,
                    const std::string& dimtext_);
  int32_t add_dimd_(int32_t style_id_, int32_t obj_id_, float cux_, float cuy_, float length_,
                    int32_t color_, int16_t style_, int16_t width_, int32_t layer_,
                    const std::string& dimtext_);
  // angle_ and dimtext_ are accepted for the callers' sake: the angle comes from the points.
  int32_t add_dima_(int32_t style_id_, float dx0_, float dy0_, float dx1_, float dy1_, float dx2_,
                    float dy2_, float angle_, int32_t color_, int16_t style_, int16_t width_,
                    int32_t layer_, const std::string& dimtext_);
  // A point object at the centre of an arc, circle or ellipse; style_id_ is not used.
  int32_t add_dimc_(int32_t style_id_, int32_t obj_id_, int32_t color_, int16_t style_,
                    int16_t width_, int32_t layer_);
  // A leader through the points of the main vertex buffer (two at least), left unchanged.
  int32_t add_ref_(int32_t style_id_, const std::string& reftext_, int32_t color_, int16_t style_,
                   int16_t width_, int32_t layer_);
  // Builders: the text parts, text box, text height and angle from the record's geometry
  // and style copy. The linear one skips a step that cannot be computed; the other two
  // store nothing and answer false then.
  void dim_build_linear_(dimension_rec_& record, const std::string& user_text);
  // Builds stored dimension record_ (type 12) again, as every rebuild does without a user
  // text, and refreshes its bounding box; other records are left alone.
  void dim_build_linear_(int32_t record_);
  bool dim_build_angular_(angular_dim_rec_& record, const std::string& text);
  bool ref_build_(reference_rec_& record, std::string text);
  // Removes font fid_ (not the last one left): font ids above it move down everywhere they
  // are held, and the objects whose font changed are built and measured again. Always 0.
  flag16_ font_del_(int32_t fid_);

  // ---- Property grid and properties by number ---------------------------------------
  // The side panel's grid of collapsible groups of caption/value rows: kept, laid out,
  // painted and hit-tested here; the main window adds the rows and opens the editors.
  void edit_clear_(int32_t x_, int32_t y_, int32_t w_, int32_t h_, int32_t c0_, int32_t c1_,
                   int32_t c2_, int32_t c3_, int32_t ct0_, int32_t ct1_, int32_t csel_,
                   flag16_ reset_def_values_);
  int32_t edit_add_group_(const std::string& name_, const std::string& text_, int16_t collapsed_);
  // 0 (nothing added) for a group outside 1..count, a blank key or caption, or a full table.
  int32_t edit_add_item_(int32_t group_, const std::string& name_, const std::string& text_,
                         int32_t type_, const std::string& value_);
  void edit_recalc_();
  // client_ is the panel's client rectangle (the right edge line); texts in hdc_'s font.
  void edit_draw_(const pixel_rect_& client_, dc_& hdc_, const std::string& str_yes_,
                  const std::string& str_no_);
  int32_t edit_click_(int32_t x_, int32_t y_, int32_t& g_, int32_t& i_, int32_t& xe_, int32_t& ye_,
                      int32_t& we_, int32_t& he_, std::string& value_, int32_t& type_);
  std::string edit_itn_() const;
  std::string edit_value_(int32_t i_) const;
  void edit_value_(int32_t i_, const std::string& value_);
  int32_t edit_selected_() const;
  int32_t edit_group_count_() const { return grid.group_count; }
  int32_t edit_item_count_() const { return grid.item_count; }
  const edit_group_rec_* edit_group_(int32_t g) const;  // nullptr outside 1..count
  const edit_item_rec_* edit_item_(int32_t i) const;
  int32_t edit_vertex_() const { return grid.vertex; }
  void edit_s_c_set_(int32_t cid_, const std::string& txt_, int32_t ico_);
  void edit_stl_set_(int32_t cid_, const std::string& txt_, int32_t ico_);
  void edit_wid_set_(int32_t cid_, const std::string& txt_, int32_t ico_);
  std::string edit_s_c_gettxt_(int32_t cid_) const;
  std::string edit_stl_gettxt_(int32_t cid_) const;
  std::string edit_wid_gettxt_(int32_t cid_) const;
  int32_t edit_s_c_getico_(int32_t cid_) const;
  int32_t edit_stl_getico_(int32_t cid_) const;
  int32_t edit_wid_getico_(int32_t cid_) const;
  void set_arrow1_icon_(int32_t arrow_, int32_t icon_id_);
  void set_arrow2_icon_(int32_t arrow_, int32_t icon_id_);
  void edit_icon_painter_(std::function<void(dc_&, int32_t, int32_t, int32_t)> painter_);
  // Properties of one object by number (edit_prop_code_): read in the field's own type
  // (flags -1/0, angles in degrees), write converted and kept consistent.
  value_ edit_prop_(int32_t rec_, int32_t prop_);
  void edit_prop_(int32_t rec_, int32_t prop_, const value_& value_);
  void edit_prop_kind_(object_rec_& o, size_t ix, int32_t prop_, const value_& nval_);
  void edit_prop_style_(object_rec_& o, size_t ix, int32_t prop_, const value_& nval_);
  static int32_t edit_blend_(int32_t a, int32_t b, float t);
  static std::string edit_color_hex_(int32_t c);
  // Numbers are clamped into [minimum, maximum] (a byte's bounds into 0..255 first, a
  // maximum below the minimum taken as the minimum); texts come back unchanged.
  static value_ edit_clamp_(const value_& value, double minimum, double maximum, bool byte);
  edit_grid_state_ grid;  // property grid
  // ---- File, templates, undo, clipboard ---------------------------------------------
  // Drawing state, file kind and helpers.
  flag16_ file_change_() const;
  std::string file_name_() const;
  int32_t file_type_(const std::string& file_);  // file_type_code_
  std::string engine_temp_file_();                // registered; "" when none can be made
  void tempfile_register_(const std::string& path);
  void tempfiles_kill_();
  std::string engine_temp_folder_() const;
  static std::string file_title_(const std::string& path);
  static int32_t engine_blend_color_(int32_t a, int32_t b, float t);
  flag16_ normalize_line_ends_(const std::string& source, const std::string& target, int32_t a,
                               int32_t b);
  // New drawing, opening, saving.
  flag16_ file_new_(flag16_ a, const std::string& template_);
  flag16_ file_open_(const std::string& file_);
  flag16_ file_save_(const std::string& file_, int32_t cftype_, flag16_ temp_);
  std::string file_get_info_(const std::string& file_, int32_t itype_);
  flag16_ read_drawing_file_(const std::string& file_);
  flag16_ write_drawing_file_(const std::string& file_);
  void write_object_record_(byte_writer_& w, int32_t record) const;
  // False on a short read; ok is false_ for a type outside 1..255 (slot left empty, deleted).
  bool read_object_record_(byte_reader_& r, int32_t record, flag16_& ok);
  std::string drawing_file_bytes_();
  // The same bytes handed to `sink` in pieces of about a megabyte; stops when sink fails.
  bool drawing_file_stream_(const std::function<bool(std::string_view)>& sink);
  bool read_drawing_bytes_(std::string_view data, const std::function<void(int32_t)>& progress);
  void take_drawing_(zaz_class_& from);
  // A block entry with its member records; reading gives members the numbers from `next` on.
  void put_block_entry_(byte_writer_& w, const block_def_rec_& b) const;
  bool get_block_entry_(byte_reader_& r, bool with_folder, block_def_rec_& b, int32_t& next);
  void add_default_drawing_();
  flag16_ import_foreign_(int32_t kind, const std::string& path);
  flag16_ export_foreign_(const std::string& path);
  // Clipboard transfer.
  std::string clipboard_copy_(flag16_ tofile_, int32_t block_);
  void clipboard_paste_(flag16_ center_, const std::string& fromfile_, flag16_ hblock_);
  flag16_ objects_differ_(int32_t a, int32_t b) const;
  // Undo and redo.
  void state_begin_();
  int32_t state_save_(const std::string& name);
  void state_undo_(int32_t type);  // 1 undo, 2 redo
  std::string state_name_(int32_t type) const;
  std::string state_item_(int32_t value) const;
  int32_t state_active_() const;
  int32_t states_count_() const;
  flag16_ record_differs_(int32_t type, int32_t index) const;
  void object_header_put_(byte_writer_& w, int32_t record, flag16_ source) const;
  bool object_header_get_(byte_reader_& r);

  // ---- Display and previews ---------------------------------------------------------
  // The host's device context; its surface is the client area (nullptr: no window).
  void dinit_(dc_* hdc_);
  // Repaints the active page into hdc_; the caller has cleared it to the background.
  // resize_ has no effect on the picture; fast_ draws images as frames and keeps the
  // snap points of the last normal repaint.
  void display_(dc_* hdc_, flag16_ resize_, flag16_ fast_);
  // The mapping of the active view onto a client area of w x h pixels.
  view_transform_rec_ view_transform_(int32_t w, int32_t h) const;
  view_area_rec_ view_area_(int32_t w, int32_t h) const;
  static pixel_point_ map_px_(const view_transform_rec_& v, float x, float y);
  // Black or white, whichever stands out against colour (the background for codes < 0).
  int32_t contrast_color_(int32_t color) const;
  // Drawing units that one millimetre of paper holds for a page unit and scale code.
  static float unit_scale_factor_(int32_t unit, int32_t scale);
  // Draws a curve's Bezier chain from mapped points (points[i - 1] is point i); through
  // the antialiased graphics with pen when one is given.
  void draw_curve_(dc_& hdc, const pixel_point_* points, int32_t count, const gp_pen_* pen);
  // The same chain from float points (points[i - 1] is point i), each mapped as
  // ((x - ox) * scale, (y - oy) * scale) without rounding; printing draws curves with it.
  void draw_curve_f_(graphics_& g, float ox, float oy, float scale, const gp_point_* points, int32_t count,
                     const gp_pen_& pen);
  void draw_grid_(int32_t major, int32_t minor, const view_transform_rec_& v, int32_t w, int32_t h,
                  float x1, float y1, float x2, float y2);
  void draw_nodes_();
  void draw_node_marker_(float x, float y);
  void draw_selection_frame_(float x1, float y1, float x2, float y2);
  void draw_grips_();

  // -- interactive overlays, drawn inverted and erased by drawing them again --
  // HIDE_ false: moves the cross to the cursor point; true: only erases it.
  void draw_cursor_(flag16_ HIDE_);
  // Moves the dotted box to the corners given in drawing units (any order).
  void draw_selectbox_(float rx1_, float ry1_, float rx2_, float ry2_);
  // Erases the remembered rubber band and, unless type_ is 0, draws and remembers a new one.
  void draw_preview_(int32_t type_, float x1_, float y1_, float X2_, float y2_, float x3_, float y3_,
                     float rad_, float rx_, float ry_, float aa1_, float aa2_, float th_, float ts_,
                     int32_t font_, std::string text_, float rot_, flag16_ shift_ok_, float shift_val_,
                     float x4_, float y4_, flag16_ close_);
  // Forgets every overlay without drawing: a full repaint has replaced the pixels.
  void preview_forget_();

  // -- transform mask and modify marker --
  // Erases the mask of the last call and, unless type_ (mask_kind_code_) is 0, draws the
  // selection of the active page inverted where that transformation would put it: move by
  // (mx_, my_); rotate by rot_ degrees about (px1_, py1_); mirror about the line through
  // (px1_, py1_) and (px2_, py2_); scale by (sx_, sy_) about (x0_, y0_).
  void display_mask_(int32_t type_, float mx_, float my_, float rot_, float px1_, float py1_,
                     float px2_, float py2_, float x0_, float y0_, float sx_, float sy_);
  // Marks in red where break (cutobj_ set), join or extend acts on record obj_ clicked at
  // (mx_, my_). Painted in copy mode; it stays until the next repaint.
  void draw_marker_(int32_t obj_, float mx_, float my_, flag16_ cutobj_);

  // Rebuilds the snap points of the active page from the objects meeting the rectangle.
  void build_snap_cache_(float x1, float y1, float x2, float y2);
  // The snap point nearest to (x, y) within max_px pixels of the active view; false when
  // none is that near or the cache was built for another page or view.
  bool snap_nearest_(float x, float y, float max_px, float& sx, float& sy) const;
  void draw_hatch_(dc_& hdc, const view_transform_rec_& v, hatch_rec_& h, int32_t draw, int32_t fill,
                   int32_t override_color, int32_t style, int32_t width);
  void draw_block_insert_(dc_& hdc, int32_t block_id, int32_t layer, float x, float y, float sx,
                          float sy, float rot, int32_t draw, int32_t fill, int32_t style,
                          int32_t width, int32_t override_color, flag16_ override_flag,
                          flag16_ fast);
  void draw_block_outline_(dc_& hdc, int32_t block_id, float x, float y, float sx, float sy,
                           float rot);
  // Paints block bid_ fitted into the square of side rsize_ whose top left is (rx_, ry_);
  // bgc_ is the background the caller painted (below 0: the drawing's).
  void display_block_(dc_& hdc_, int32_t bid_, int32_t rx_, int32_t ry_, int32_t rsize_, int32_t bgc_);
  void draw_dimension_(dc_& hdc, const view_transform_rec_& v, const dimension_rec_& r, int32_t line,
                       int32_t ext, int32_t text, int32_t back, int32_t override_color,
                       int32_t width);
  void draw_angular_dim_(dc_& hdc, const view_transform_rec_& v, const angular_dim_rec_& r,
                         int32_t line, int32_t ext, int32_t text, int32_t back,
                         int32_t override_color);
  void draw_reference_(dc_& hdc, const view_transform_rec_& v, const reference_rec_& r,
                       int32_t line, int32_t ext, int32_t text, int32_t back,
                       int32_t override_color);
  // One arrowhead of kind 1..19 at tip (tx, ty), with the pen selected in hdc.
  void draw_arrowhead_(dc_& hdc, const view_transform_rec_& v, int32_t kind, float tx, float ty,
                       float angle, float sign, float size, int32_t fill);

 private:
  void paint_begin_(flag16_ fast);
  void paint_page_(flag16_ fast);
  // Paints one object record with resolved attributes (used by the page painter).
  void paint_object_(dc_& hdc, int32_t record, const view_transform_rec_& v, flag16_ fast,
                     int32_t automatic);
  // Draws the selection once, inverted and transformed by type_; 0 or less draws nothing.
  void draw_mask_(int32_t type_, float mx_, float my_, float rot_, float px1_, float py1_,
                  float px2_, float py2_, float x0_, float y0_, float sx_, float sy_);

  // -- rubber bands handed to the object painters: texts, block inserts, dimensions, references --
  // Kinds 10..16 inside the frame of draw_preview_, whose pen, hollow brush and inverting
  // raster operation are selected: erases the remembered figure when erase is set and, when
  // call is given, draws the new one and keeps the record it built.
  void draw_preview_figure_(dc_& hdc, const view_transform_rec_& v, int32_t kind, bool erase,
                            const preview_call_rec_* call);
  // Whether number names what a kind draws: a font (10), a block (11), an arc, circle or
  // ellipse object (13, 14). Other kinds take no number and always answer true.
  bool preview_number_ok_(int32_t kind, int32_t number) const;

 public:
  // The painters' point buffer, grown to hold count points.
  pixel_point_* point_buffer_(size_t count);

  // ---- Picking and snapping ---------------------------------------------------------
  // The record under drawing point (sxp_, syp_), 0 for none. can_break_ -1 collects up to
  // 32 distinct records into the hit list and lets the host break in.
  int32_t getrfp_(float sxp_, float syp_, int32_t& get_obj_type_, flag16_ can_break_,
                  flag16_ only_edt_layer_);
  // Copies the hit list (entries 1..32) and answers the count of the last collecting pick.
  int32_t getrfp_ex_(std::vector<int32_t>& fobjects_) const;
  // Converts a pixel of the drawing window to the cursor point, snapped when snap_ is -1.
  void mxy2cxy_(int32_t mx_, int32_t my_, flag16_ snap_, flag16_ an45_);
  value_ get_cxy_(float& cx_, float& cy_, flag16_ offset_, int16_t nohp_) const;
  void lock_xy_(float cx_, float cy_);
  void unlock_xy_();
  void set_posxy_(float posx_, float posy_);
  // One coordinate snapped to grid size g (g at least 1e-6).
  static float snap_to_grid_(float v, float g);
  // Tracking points near the cursor, the tracking lines through them, and their display.
  void hpoint_fnd_(int32_t obj_, const float& px_, const float& py_);
  void find_tracking_lines_(flag16_& vertical, flag16_& horizontal, float& tx, float& ty) const;
  void hpoint_show_(flag16_ clear_);

  // ---- Exchange (DXF) ---------------------------------------------------------------
  // Reads an ASCII DXF file into a new drawing. False when the file is missing, binary or
  // holds no section; the drawing is then left as it was.
  bool file_import_acdxf_(const std::string& file_);
  // Reads a GrafZAZ text drawing into a new drawing; false, the drawing left as it was,
  // when the file is missing or broken.
  bool import_grafzaz_(const std::string& file_);
  void dxf_aci_palette_();
  int32_t dxf_aci_to_color_(std::string_view value_) const;
  int32_t dxf_aci_to_color_(double value_) const;
  int32_t dxf_color_to_aci_(int32_t color_) const;
  int32_t dxf_layer_index_(const std::string& name_) const;     // 1 when none matches
  int32_t dxf_linetype_index_(const std::string& name_) const;  // a line_style_code_
  int32_t dxf_block_index_(const std::string& name_) const;     // 0 when none matches
  int32_t dxf_dimstyle_index_(const std::string& name_) const;  // 1 when none matches
  void dxf_split_dim_text_(const std::string& text_, dimstyle_rec_& style_,
                           flag16_ alternate_) const;
  uint8_t dxf_arrow_kind_(const std::string& name_) const;
  void dxf2x0_(float v210_, float v220_, float v230_, float xp_, float yp_, float zp_,
               float& x2d_, float& y2d_) const;

  // -- DXF export --
  // Writes the drawing as an AC1009 DXF file, replacing the file only when the whole
  // export succeeded; false, and an existing file left as it was, otherwise.
  bool export_dxf_(const std::string& file_);
  std::string dxf_linetype_name_(int32_t style_) const;
  std::string dxf_layer_name_(int32_t layer_) const;  // a layer of the active page; "" when none
  // The name of layer layer_ of page page_; "" when that page has no such layer.
  std::string dxf_page_layer_name_(int32_t page_, int32_t layer_) const;
  std::string dxf_block_name_(int32_t block_) const;  // "" when no such block
  int32_t block_member_count_(int32_t block_) const;
  static std::string flatten_line_breaks_(const std::string& text_);

  // ---- Printing ---------------------------------------------------------------------
  // Prints the active page, or every page when all_ is -1, each page as its grid of sheets
  // (top row first, each row left to right), one printer page per sheet, in one job.
  // Failures reach the host as "message.printernotfound" or "message.printerror".
  void printing_print_(flag16_ all_, class printer_& printer);
  // Draws sheet (column, row) of page `page` on g, whose origin is the sheet's top-left
  // corner; dpi is the device's resolution. Pixels of g are device units.
  void print_page_renderer_(graphics_& g, int32_t dpi, int32_t page, int32_t column, int32_t row);
  // The printers of each kind share the print transform: paper mm = (p - origin) * k, y up.
  void print_stroke_text_(graphics_& g, const gp_pen_& pen, uint32_t brush, float x0, float y0, float k,
                          int32_t font_id, const std::string& text, float x, float y, float height,
                          float width_factor, float rotation);
  // Prints object `o` when it is a figure (point, line, curve, polyline, polygon, arc, circle,
  // ellipse) with each drawing point taken to paper by to_paper; false for other kinds.
  bool print_figure_(graphics_& g, const object_rec_& o, const gp_pen_& pen, uint32_t brush, bool filled,
                     const std::function<gp_point_(float, float)>& to_paper);
  void print_block_insert_(graphics_& g, float x0, float y0, float k, int32_t block_id, int32_t layer,
                           float x, float y, float sx, float sy, float rotation, int32_t draw,
                           int32_t fill, int32_t style, int32_t width);
  // Colours are resolved 0x00BBGGRR values; back may be negative (no fill, outline in it).
  void print_dimension_(graphics_& g, float x0, float y0, float k, const dimension_rec_& r,
                        int32_t line, int32_t ext, int32_t text, int32_t back, int32_t width);
  void print_angular_dim_(graphics_& g, float x0, float y0, float k, const angular_dim_rec_& r,
                          int32_t line, int32_t ext, int32_t text, int32_t back, int32_t width);
  void print_reference_(graphics_& g, float x0, float y0, float k, const reference_rec_& r,
                        int32_t line, int32_t ext, int32_t text, int32_t back, int32_t width);
  // Hatch lines in device units, clipped to the boundary by the even-odd rule.
  void print_hatch_(graphics_& g, float x0, float y0, float k, float dev_per_mm,
                    const print_device_map_rec_& map, const hatch_rec_& h, int32_t colour,
                    int32_t width_id);
  void print_terminator_(graphics_& g, float x0, float y0, float k, int32_t kind, float tx, float ty,
                         float a, float sense, float s, const gp_pen_& pen, uint32_t fill);
  // The width id a dimension-like object prints with: by layer the layer's, other codes
  // outside the table 0.
  int32_t print_width_id_(int32_t width, int32_t layer_width) const;

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
  selection_state_ selection;

  // extents
  extents_state_ extents;

  // transformations and editing
  edit_state_ edit;

  // blocks and library
  library_state_ library;

  font_state_ fonts;         // fonts and texts

  hatch_state_ hatch;  // hatching

  // dimensions and references

  file_state_ file;          // file, templates, undo, clipboard

  // display and previews
  paint_state_ paint;
  preview_state_ preview;  // interactive overlays
  mask_state_rec_ mask;     // the transform mask shown

  pick_state_ pick;  // picking and snapping

  exchange_state_ exchange;  // exchange (DXF)

  // printing
  print_state_ printing;

};
