// Pointers: shapes, pointers from files and the screen-wide override.
#include "platform/input/cursor.h"

#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

#include <map>

#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"
#include "platform/window/window.h"
#include "platform/window/window_widget.h"

namespace {

std::map<cursor_handle_, QCursor>& loaded() {
  static std::map<cursor_handle_, QCursor> all;
  return all;
}
cursor_handle_ last_cursor = 0;
int override_depth = 0;

Qt::CursorShape qt_shape(cursor_shape_ s) {
  switch (s) {
    case cursor_shape_::arrow: return Qt::ArrowCursor;
    case cursor_shape_::ibeam: return Qt::IBeamCursor;
    case cursor_shape_::wait: return Qt::WaitCursor;
    case cursor_shape_::cross: return Qt::CrossCursor;
    case cursor_shape_::up_arrow: return Qt::UpArrowCursor;
    case cursor_shape_::size_all: return Qt::SizeAllCursor;
    case cursor_shape_::size_nesw: return Qt::SizeBDiagCursor;
    case cursor_shape_::size_ns: return Qt::SizeVerCursor;
    case cursor_shape_::size_nwse: return Qt::SizeFDiagCursor;
    case cursor_shape_::size_we: return Qt::SizeHorCursor;
    case cursor_shape_::no_drop: return Qt::ForbiddenCursor;
    case cursor_shape_::hand: return Qt::PointingHandCursor;
    case cursor_shape_::arrow_wait: return Qt::BusyCursor;
    case cursor_shape_::help: return Qt::WhatsThisCursor;
    case cursor_shape_::hidden: return Qt::BlankCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace

bool read_cursor_hotspot_(const std::string& bytes, int32_t& x, int32_t& y) {
  // Directory: reserved 0, type 2 (pointer), count; then 16-byte entries whose fields at
  // 4 and 6 hold the hot spot.
  byte_reader_ r(bytes);
  const uint16_t reserved = r.get<uint16_t>(), type = r.get<uint16_t>(), count = r.get<uint16_t>();
  if (!r.ok() || reserved != 0 || type != 2 || count == 0 || !r.can_hold(count, 16)) return false;
  r.skip(4);
  const uint16_t hx = r.get<uint16_t>(), hy = r.get<uint16_t>();
  if (!r.ok()) return false;
  x = hx;
  y = hy;
  return true;
}

cursor_handle_ load_cursor_file_(const std::string& path) {
  const std::optional<std::string> bytes = read_file_bytes_(path, 1u << 22);
  if (!bytes || bytes->empty()) return 0;
  QByteArray data(bytes->data(), static_cast<qsizetype>(bytes->size()));
  QBuffer buffer(&data);
  int32_t hx = 0, hy = 0;
  const bool is_cur = read_cursor_hotspot_(*bytes, hx, hy);
  QImageReader reader(&buffer, is_cur ? QByteArray("cur") : QByteArray());
  const QImage img = reader.read();
  if (img.isNull()) return 0;
  if (!is_cur) hx = hy = -1;  // pictures take the centre
  loaded()[++last_cursor] = QCursor(QPixmap::fromImage(img), hx, hy);
  return last_cursor;
}

void free_cursor_(cursor_handle_ cursor) { loaded().erase(cursor); }

void window_::set_cursor_(cursor_shape_ shape) {
  if (widget_ptr_) widget_ptr_->setCursor(QCursor(qt_shape(shape)));
}

void window_::set_cursor_handle_(cursor_handle_ cursor) {
  if (!widget_ptr_) return;
  auto it = loaded().find(cursor);
  if (it != loaded().end()) widget_ptr_->setCursor(it->second);
  else widget_ptr_->unsetCursor();
}

void set_screen_cursor_(cursor_shape_ shape) {
  if (!qApp) return;
  // One level only: a second call changes the shape instead of stacking.
  if (override_depth > 0) QApplication::changeOverrideCursor(QCursor(qt_shape(shape)));
  else QApplication::setOverrideCursor(QCursor(qt_shape(shape)));
  override_depth = 1;
}

void restore_screen_cursor_() {
  if (!qApp) return;
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  override_depth = 0;
}

bool screen_cursor_set_() { return override_depth > 0; }

namespace {
bool injected_pos_live = false;   // an injected event is being delivered
bool injected_pos_known = false;  // some injected event set the position
pixel_point_ injected_pos;
}  // namespace

void note_injected_pointer_(pixel_point_ p, bool delivering) {
  injected_pos = p;
  injected_pos_known = true;
  injected_pos_live = delivering;
}

pixel_point_ cursor_pos_() {
  // Handlers of replayed input read the pointer where the replayed event happened; without a
  // real pointer (offscreen) the last injected position stands.
  if (injected_pos_live) return injected_pos;
  if (injected_pos_known && qGuiApp && QGuiApplication::platformName() == QLatin1String("offscreen")) return injected_pos;
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}
