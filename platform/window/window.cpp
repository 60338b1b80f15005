// Windows over QWidget: handles, geometry, parents and owners, shapes, surfaces, capture.
#include "platform/window/window.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPolygon>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include "platform/gdi/qt_bridge.h"
#include "platform/services/screen.h"
#include "platform/window/window_widget.h"

namespace {

// Every live window by handle. Handles grow, so iteration order is creation order. Never
// destroyed: windows kept in statics may go after it at exit.
std::map<window_handle_, window_*>& registry() {
  static auto* all = new std::map<window_handle_, window_*>();
  return *all;
}
window_handle_ last_handle = 0;
window_handle_ capture_handle = 0;
window_handle_ focus_request = 0;  // the last window asked for focus, for platforms without activation
bool decorations_by_system = false;

QPoint client_origin(const window_* w) {
  const pixel_rect_ in = w->frame_insets_();
  return QPoint(in.left, in.top);
}

// Where a child's whole-window position lies in its parent widget.
QPoint parent_offset(const window_* parent) { return parent ? client_origin(parent) : QPoint(); }

Qt::WindowFlags top_level_flags(bool in_taskbar) {
  Qt::WindowFlags f = in_taskbar ? Qt::Window : Qt::Tool;
  if (!decorations_by_system) f |= Qt::FramelessWindowHint;
  return f;
}

Qt::WindowFlags popup_flags() {
  return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
}

// Copies the overlap of an old surface into a new one filled with the background.
void resize_keeping(surface_& s, int32_t w, int32_t h, uint32_t background) {
  w = std::max(w, 0);
  h = std::max(h, 0);
  if (s.width_() == w && s.height_() == h) return;
  surface_ old = std::move(s);
  s = surface_();
  s.set_kind_(old.kind_());
  if (!s.resize_(w, h)) return;
  s.fill_colour_(background);
  const int32_t cw = std::min(w, old.width_()), ch = std::min(h, old.height_());
  for (int32_t y = 0; y < ch; ++y) std::copy_n(old.row_(y), cw, s.row_(y));
}

}  // namespace

std::unique_ptr<window_> create_window_(const window_options_& o) {
  attach_input_filter_();
  std::unique_ptr<window_> w(new window_());
  w->handle_id_ = ++last_handle;
  // A child needs a live parent; without one it stands alone as a top-level window.
  const window_kind_ kind = o.kind == window_kind_::child && !(o.parent && o.parent->widget_())
                                ? window_kind_::top_level : o.kind;
  w->kind_now_ = kind;
  w->background_ = o.background;
  window_widget_* parent_widget = o.parent ? o.parent->widget_() : nullptr;
  Qt::WindowFlags flags;
  switch (kind) {
    case window_kind_::child:
      flags = Qt::Widget;
      w->parent_id_ = o.parent ? o.parent->handle_() : 0;
      break;
    case window_kind_::top_level:
      flags = top_level_flags(o.in_taskbar);
      w->owner_id_ = o.parent ? o.parent->handle_() : 0;
      break;
    case window_kind_::popup:
      flags = popup_flags();
      w->owner_id_ = o.parent ? o.parent->handle_() : 0;
      break;
  }
  auto* widget = new window_widget_(w.get(), parent_widget, flags);
  w->widget_ptr_ = widget;
  widget->setFocusPolicy(o.takes_focus ? Qt::StrongFocus : Qt::NoFocus);
  if (kind == window_kind_::popup) widget->setAttribute(Qt::WA_ShowWithoutActivating);
  if (!o.title.empty()) widget->setWindowTitle(QString::fromUtf8(o.title));
  registry()[w->handle_id_] = w.get();
  w->move_(o.x, o.y, o.width, o.height);
  return w;
}

window_::~window_() {
  destroy_();
}

void window_::widget_gone_() {
  window_widget_* widget = widget_ptr_;
  if (!widget) return;
  widget->detach();
  widget_ptr_ = nullptr;
  if (capture_handle == handle_id_) capture_handle = 0;
  if (focus_request == handle_id_) focus_request = 0;
  registry().erase(handle_id_);
  if (on_destroy) on_destroy();
}

bool window_::exists_() const { return widget_ptr_ != nullptr; }

void window_::destroy_() {
  window_widget_* widget = widget_ptr_;
  if (!widget) return;
  // Children go with their parent; tell them first so their owners hear of it in order.
  std::vector<window_*> kids = children_();
  widget_gone_();
  for (window_* k : kids) k->destroy_();
  if (!qApp) return;  // at exit, after the application: its widgets are beyond reach
  widget->hide();
  // Inside a handler (of this window, a child it takes along, or a window it owns) the
  // widget must outlive the handler's return.
  if (window_handlers_running_())
    widget->deleteLater();
  else
    delete widget;
}

void window_::show_() {
  if (!widget_ptr_) return;
  widget_ptr_->z_stamp = next_z_stamp_();
  widget_ptr_->show();
}

void window_::show_no_activate_() {
  if (!widget_ptr_) return;
  const bool had = widget_ptr_->testAttribute(Qt::WA_ShowWithoutActivating);
  widget_ptr_->setAttribute(Qt::WA_ShowWithoutActivating, true);
  widget_ptr_->z_stamp = next_z_stamp_();
  widget_ptr_->show();
  widget_ptr_->setAttribute(Qt::WA_ShowWithoutActivating, had);
}

void window_::show_modal_(window_* owner) {
  if (!widget_ptr_ || widget_ptr_->modal_loop) return;
  if (owner && owner != this && kind_now_ != window_kind_::child) set_owner_(owner);
  window_widget_* widget = widget_ptr_;
  widget->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  widget->modal_loop = &loop;
  ++modal_depth_;
  show_();
  widget->activateWindow();
  if (widget->isVisible()) loop.exec(QEventLoop::DialogExec);
  // The widget may have gone while the loop ran.
  if (widget_ptr_ == widget) {
    widget->modal_loop = nullptr;
    widget->setWindowModality(Qt::NonModal);
  }
  --modal_depth_;
  if (owner && owner->widget_()) owner->activate_();
}

void window_::hide_() {
  if (widget_ptr_) widget_ptr_->hide();
}

bool window_::visible_() const { return widget_ptr_ && widget_ptr_->isVisible(); }

void window_::close_() {
  if (widget_ptr_) widget_ptr_->close();
}

void window_::enable_(bool on) {
  if (widget_ptr_) widget_ptr_->setEnabled(on);
}
bool window_::enabled_() const { return widget_ptr_ && widget_ptr_->isEnabled(); }

void window_::set_title_(const std::string& text) {
  if (widget_ptr_) widget_ptr_->setWindowTitle(QString::fromUtf8(text));
}
std::string window_::title_() const {
  return widget_ptr_ ? widget_ptr_->windowTitle().toStdString() : std::string();
}
void window_::set_tooltip_(const std::string& text) {
  if (widget_ptr_) widget_ptr_->setToolTip(QString::fromUtf8(text));
}
std::string window_::tooltip_() const { return widget_ptr_ ? widget_ptr_->toolTip().toStdString() : std::string(); }

void window_::minimize_() {
  if (widget_ptr_) widget_ptr_->setWindowState((widget_ptr_->windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
}
void window_::maximize_() {
  if (widget_ptr_) widget_ptr_->setWindowState((widget_ptr_->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}
void window_::restore_() {
  if (widget_ptr_) widget_ptr_->setWindowState(widget_ptr_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}
show_state_ window_::state_() const {
  if (!widget_ptr_) return show_state_::normal;
  const Qt::WindowStates s = widget_ptr_->windowState();
  if (s & Qt::WindowMinimized) return show_state_::minimized;
  if (s & Qt::WindowMaximized) return show_state_::maximized;
  return show_state_::normal;
}

pixel_rect_ window_::window_rect_() const {
  if (!widget_ptr_) return {};
  if (widget_ptr_->isWindow()) {
    const QRect g = decorations_by_system ? widget_ptr_->frameGeometry() : widget_ptr_->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
  }
  const QPoint o = widget_ptr_->mapToGlobal(QPoint(0, 0));
  return {o.x(), o.y(), o.x() + widget_ptr_->width(), o.y() + widget_ptr_->height()};
}

pixel_rect_ window_::client_rect_() const {
  if (!widget_ptr_) return {};
  const QPoint o = widget_ptr_->mapToGlobal(QPoint(insets_.left, insets_.top));
  return {o.x(), o.y(), o.x() + client_width_(), o.y() + client_height_()};
}

int32_t window_::client_width_() const {
  return widget_ptr_ ? std::max(0, widget_ptr_->width() - insets_.left - insets_.right) : 0;
}
int32_t window_::client_height_() const {
  return widget_ptr_ ? std::max(0, widget_ptr_->height() - insets_.top - insets_.bottom) : 0;
}

void window_::move_(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (!widget_ptr_) return;
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (widget_ptr_->isWindow()) {
    // With the window manager's frame, the given size is the outer one.
    const QSize extra = decorations_by_system && widget_ptr_->isVisible()
                            ? widget_ptr_->frameGeometry().size() - widget_ptr_->size()
                            : QSize(0, 0);
    widget_ptr_->move(x, y);
    widget_ptr_->resize(std::max(0, width - extra.width()), std::max(0, height - extra.height()));
  } else {
    widget_ptr_->setGeometry(QRect(QPoint(x, y) + parent_offset(parent_()), QSize(width, height)));
  }
  // Hidden widgets hear of their new size only when shown; the surfaces follow at once.
  sync_size_();
}

void window_::move_to_(int32_t x, int32_t y) {
  const pixel_rect_ r = window_rect_();
  move_(x, y, static_cast<int32_t>(r.width_()), static_cast<int32_t>(r.height_()));
}

pixel_point_ window_::client_to_screen_(pixel_point_ p) const {
  if (!widget_ptr_) return p;
  const QPoint g = widget_ptr_->mapToGlobal(QPoint(p.x + insets_.left, p.y + insets_.top));
  return {g.x(), g.y()};
}

pixel_point_ window_::screen_to_client_(pixel_point_ p) const {
  if (!widget_ptr_) return p;
  const QPoint l = widget_ptr_->mapFromGlobal(QPoint(p.x, p.y));
  return {l.x() - insets_.left, l.y() - insets_.top};
}

window_placement_ window_::placement_() const {
  window_placement_ p;
  if (!widget_ptr_) return p;
  const int32_t tx = twips_per_pixel_x_(), ty = twips_per_pixel_y_();
  const QRect g = widget_ptr_->normalGeometry().isValid() && state_() != show_state_::normal
                      ? widget_ptr_->normalGeometry()
                      : (decorations_by_system ? widget_ptr_->frameGeometry() : widget_ptr_->geometry());
  p.left = g.left() * tx;
  p.top = g.top() * ty;
  p.width = g.width() * tx;
  p.height = g.height() * ty;
  p.state = state_();
  return p;
}

void window_::set_placement_(const window_placement_& p) {
  if (!widget_ptr_) return;
  const int32_t tx = twips_per_pixel_x_(), ty = twips_per_pixel_y_();
  restore_();
  move_(p.left / tx, p.top / ty, p.width / tx, p.height / ty);
  if (p.state == show_state_::maximized) maximize_();
  if (p.state == show_state_::minimized) minimize_();
}

void window_::set_frame_insets_(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  insets_ = {std::max(left, 0), std::max(top, 0), std::max(right, 0), std::max(bottom, 0)};
  sync_size_();
  invalidate_();
}

void window_::start_system_move_() {
  if (widget_ptr_ && widget_ptr_->windowHandle()) widget_ptr_->windowHandle()->startSystemMove();
}

void window_::start_system_resize_(int32_t edges) {
  if (!widget_ptr_ || !widget_ptr_->windowHandle()) return;
  Qt::Edges e;
  if (edges & 1) e |= Qt::LeftEdge;
  if (edges & 2) e |= Qt::TopEdge;
  if (edges & 4) e |= Qt::RightEdge;
  if (edges & 8) e |= Qt::BottomEdge;
  if (e) widget_ptr_->windowHandle()->startSystemResize(e);
}

window_* window_::parent_() const { return parent_id_ ? find_window_(parent_id_) : nullptr; }
window_* window_::owner_() const { return owner_id_ ? find_window_(owner_id_) : nullptr; }

void window_::make_top_level_(window_* owner, int32_t screen_x, int32_t screen_y) {
  if (!widget_ptr_) return;
  const bool was_visible = widget_ptr_->isVisible();
  const QSize size = widget_ptr_->size();
  widget_ptr_->setParent(owner && owner->widget_() ? owner->widget_() : nullptr,
                         Qt::Tool | Qt::FramelessWindowHint);
  kind_now_ = window_kind_::popup;
  parent_id_ = 0;
  owner_id_ = owner ? owner->handle_() : 0;
  widget_ptr_->setGeometry(QRect(QPoint(screen_x, screen_y), size));
  if (was_visible) show_no_activate_();
}

void window_::make_child_(window_& parent, int32_t x, int32_t y) {
  if (!widget_ptr_ || !parent.widget_() || &parent == this) return;
  const bool was_visible = widget_ptr_->isVisible();
  const QSize size = widget_ptr_->size();
  widget_ptr_->setParent(parent.widget_(), Qt::Widget);
  kind_now_ = window_kind_::child;
  parent_id_ = parent.handle_();
  owner_id_ = 0;
  widget_ptr_->setGeometry(QRect(QPoint(x, y) + parent_offset(&parent), size));
  if (was_visible) widget_ptr_->show();
}

void window_::set_owner_(window_* owner) {
  if (!widget_ptr_ || kind_now_ == window_kind_::child || owner == this) return;
  const bool was_visible = widget_ptr_->isVisible();
  const QRect g = widget_ptr_->geometry();
  const Qt::WindowFlags f = widget_ptr_->windowFlags();
  widget_ptr_->setParent(owner && owner->widget_() ? owner->widget_() : nullptr, f);
  owner_id_ = owner ? owner->handle_() : 0;
  widget_ptr_->setGeometry(g);
  if (was_visible) widget_ptr_->show();
}

std::vector<window_*> window_::children_() const {
  std::vector<window_*> out;
  for (const auto& [h, w] : registry())
    if (w->parent_id_ == handle_id_ && w->kind_now_ == window_kind_::child) out.push_back(w);
  return out;
}

void window_::raise_() {
  if (!widget_ptr_) return;
  widget_ptr_->z_stamp = next_z_stamp_();
  widget_ptr_->raise();
}
void window_::lower_() {
  if (!widget_ptr_) return;
  widget_ptr_->z_stamp = 0;
  widget_ptr_->lower();
}
void window_::place_below_(window_& other) {
  if (!widget_ptr_ || !other.widget_()) return;
  widget_ptr_->z_stamp = other.widget_()->z_stamp > 0 ? other.widget_()->z_stamp - 1 : 0;
  widget_ptr_->stackUnder(other.widget_());
}
void window_::set_topmost_(bool on) {
  if (!widget_ptr_ || !widget_ptr_->isWindow()) return;
  const bool was_visible = widget_ptr_->isVisible();
  widget_ptr_->setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (was_visible) show_no_activate_();
}

void window_::activate_() {
  if (!widget_ptr_) return;
  QWidget* top = widget_ptr_->window();
  if (auto* tw = dynamic_cast<window_widget_*>(top)) tw->z_stamp = next_z_stamp_();
  top->raise();
  top->activateWindow();
}
bool window_::is_active_() const { return widget_ptr_ && widget_ptr_->isActiveWindow(); }

void window_::set_focus_() {
  if (!widget_ptr_) return;
  focus_request = handle_id_;
  widget_ptr_->setFocus(Qt::OtherFocusReason);
}
bool window_::has_focus_() const { return focused_window_() == this; }

void window_::set_region_(const std::vector<pixel_point_>& polygon, bool winding) {
  if (polygon.empty()) {
    clear_region_();
    return;
  }
  set_region_(region_::polygon_(polygon.data(), polygon.size(),
                                winding ? fill_mode_::winding_ : fill_mode_::alternate_));
}

void window_::set_region_(const region_& shape) {
  if (!widget_ptr_) return;
  shape_ = shape;
  region_set_ = true;
  widget_ptr_->setMask(qregion_of_(shape_));
}

void window_::set_region_rect_(const pixel_rect_& r) { set_region_(region_(r)); }

void window_::clear_region_() {
  if (!widget_ptr_) return;
  widget_ptr_->clearMask();
  shape_ = region_();
  region_set_ = false;
}

bool window_::has_region_() const { return region_set_; }

bool window_::region_contains_(int32_t x, int32_t y) const {
  if (!widget_ptr_ || x < 0 || y < 0 || x >= widget_ptr_->width() || y >= widget_ptr_->height()) return false;
  return !region_set_ || shape_.contains_(x, y);
}

void window_::set_opacity_(uint8_t alpha) {
  if (widget_ptr_) widget_ptr_->setWindowOpacity(alpha / 255.0);
}

void window_::set_per_pixel_alpha_(bool on) {
  if (!widget_ptr_) return;
  per_pixel_alpha_on_ = on;
  widget_ptr_->setAttribute(Qt::WA_TranslucentBackground, on);
  client_px_.set_kind_(on ? surface_kind_::alpha_ : surface_kind_::opaque_);
  window_px_.set_kind_(on ? surface_kind_::alpha_ : surface_kind_::opaque_);
  invalidate_();
}

void window_::update_layered_(const surface_& picture, int32_t x, int32_t y, uint8_t constant_alpha) {
  if (!widget_ptr_) return;
  if (!per_pixel_alpha_on_) set_per_pixel_alpha_(true);
  move_(x, y, picture.width_(), picture.height_());
  surface_& s = insets_.left || insets_.top || insets_.right || insets_.bottom ? window_px_ : client_px_;
  if (s.width_() == picture.width_() && s.height_() == picture.height_())
    std::copy_n(picture.pixels_(), static_cast<size_t>(picture.width_()) * picture.height_(), s.pixels_());
  set_opacity_(constant_alpha);
  invalidate_();
}

void window_::set_click_through_(bool on) {
  if (!widget_ptr_) return;
  click_through_on_ = on;
  widget_ptr_->setAttribute(Qt::WA_TransparentForMouseEvents, on);
  if (widget_ptr_->isWindow()) {
    const bool was_visible = widget_ptr_->isVisible();
    widget_ptr_->setWindowFlag(Qt::WindowTransparentForInput, on);
    if (was_visible) show_no_activate_();
  }
}

void window_::resize_surfaces_() {
  if (!widget_ptr_) return;
  resize_keeping(client_px_, client_width_(), client_height_(), background_);
  const bool framed = insets_.left || insets_.top || insets_.right || insets_.bottom;
  resize_keeping(window_px_, framed ? widget_ptr_->width() : 0, framed ? widget_ptr_->height() : 0, background_);
}

void window_::sync_size_() {
  resize_surfaces_();
  owner_paint_due_ = true;
  const int32_t w = client_width_(), h = client_height_();
  if (w == reported_width_ && h == reported_height_) return;
  reported_width_ = w;
  reported_height_ = h;
  if (on_resize) on_resize(w, h);
}

void window_::invalidate_() {
  owner_paint_due_ = true;
  if (widget_ptr_) widget_ptr_->update();
}

void window_::invalidate_rect_(const pixel_rect_& r) {
  owner_paint_due_ = true;
  if (widget_ptr_) widget_ptr_->update(QRect(r.left + insets_.left, r.top + insets_.top, static_cast<int>(r.width_()), static_cast<int>(r.height_())));
}

void window_::update_() {
  owner_paint_due_ = true;
  if (widget_ptr_) widget_ptr_->repaint();
}

bool window_::grab_(surface_& out) {
  if (!widget_ptr_) return false;
  const QImage img = widget_ptr_->grab().toImage();
  if (!surface_from_qimage_(img, out)) return false;
  out.set_kind_(surface_kind_::opaque_);
  return true;
}

void window_::set_capture_() {
  if (!widget_ptr_) return;
  if (window_* old = capture_window_(); old && old != this && old->widget_()) old->widget_()->releaseMouse();
  capture_handle = handle_id_;
  if (widget_ptr_->isVisible() && QGuiApplication::platformName() != QLatin1String("offscreen"))
    widget_ptr_->grabMouse();
}

bool window_::has_capture_() const { return capture_handle == handle_id_ && widget_ptr_; }

// ---- free functions ----

window_* find_window_(window_handle_ handle) {
  auto it = registry().find(handle);
  return it == registry().end() ? nullptr : it->second;
}

window_* active_window_() {
  if (!qApp) return nullptr;
  window_widget_* w = window_widget_of_(QApplication::activeWindow());
  return w ? w->win() : nullptr;
}

window_* modal_window_() {
  if (!qApp) return nullptr;
  window_widget_* w = window_widget_of_(QApplication::activeModalWidget());
  return w ? w->win() : nullptr;
}

window_* focused_window_() {
  if (!qApp) return nullptr;
  if (window_widget_* w = window_widget_of_(QApplication::focusWidget())) return w->win();
  // Platforms without real activation (offscreen) keep the last request.
  if (window_* w = find_window_(focus_request); w && w->visible_()) return w;
  return nullptr;
}

window_* capture_window_() { return find_window_(capture_handle); }

void release_capture_() {
  if (window_* w = capture_window_(); w && w->widget_()) w->widget_()->releaseMouse();
  capture_handle = 0;
}

window_* window_at_(int32_t screen_x, int32_t screen_y) {
  window_widget_* best = nullptr;
  int best_rank = -1;
  uint64_t best_stamp = 0;
  for (const auto& [h, w] : registry()) {
    window_widget_* ww = w->widget_();
    if (!ww || !ww->isWindow() || !ww->isVisible() || w->click_through_()) continue;
    const pixel_rect_ r = w->window_rect_();
    if (!r.contains_(screen_x, screen_y)) continue;
    const pixel_point_ local{screen_x - ww->geometry().left(), screen_y - ww->geometry().top()};
    if (!w->region_contains_(local.x, local.y)) continue;
    // Pop-ups and topmost windows stand above ordinary ones.
    const int rank = (ww->windowFlags() & Qt::WindowStaysOnTopHint ? 2 : 0) + (w->kind_() == window_kind_::popup ? 1 : 0);
    if (rank > best_rank || (rank == best_rank && ww->z_stamp >= best_stamp)) {
      best = ww;
      best_rank = rank;
      best_stamp = ww->z_stamp;
    }
  }
  if (!best) return nullptr;
  QWidget* deep = best->childAt(best->mapFromGlobal(QPoint(screen_x, screen_y)));
  for (QWidget* p = deep; p && p != best; p = p->parentWidget()) {
    auto* ww = dynamic_cast<window_widget_*>(p);
    if (ww && ww->win() && !ww->win()->click_through_()) return ww->win();
  }
  return best->win();
}

void set_system_decorations_(bool on) { decorations_by_system = on; }
bool system_decorations_() { return decorations_by_system; }

bool has_nohook_switch_(const std::string& command_line) {
  std::string lower = command_line;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find("+nohook") != std::string::npos;
}
