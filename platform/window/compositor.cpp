// Whether a compositor blends layered windows. On X11 a compositing manager owns the
// selection _NET_WM_CM_S<screen>; the X connection is the one Qt opened, reached without
// linking libxcb ourselves since Qt's platform plugin has already loaded it.
#include <QGuiApplication>

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/window/window.h"

namespace {

struct xcb_connection_t;
struct intern_cookie { unsigned int sequence; };
struct intern_reply { uint8_t response_type, pad0; uint16_t sequence; uint32_t length; uint32_t atom; };
struct owner_cookie { unsigned int sequence; };
struct owner_reply { uint8_t response_type, pad0; uint16_t sequence; uint32_t length; uint32_t owner; };

bool x11_compositor_running() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return false;
  using intern_fn = intern_cookie (*)(xcb_connection_t*, uint8_t, uint16_t, const char*);
  using intern_reply_fn = intern_reply* (*)(xcb_connection_t*, intern_cookie, void**);
  using owner_fn = owner_cookie (*)(xcb_connection_t*, uint32_t);
  using owner_reply_fn = owner_reply* (*)(xcb_connection_t*, owner_cookie, void**);
  auto intern = reinterpret_cast<intern_fn>(dlsym(RTLD_DEFAULT, "xcb_intern_atom"));
  auto intern_r = reinterpret_cast<intern_reply_fn>(dlsym(RTLD_DEFAULT, "xcb_intern_atom_reply"));
  auto owner = reinterpret_cast<owner_fn>(dlsym(RTLD_DEFAULT, "xcb_get_selection_owner"));
  auto owner_r = reinterpret_cast<owner_reply_fn>(dlsym(RTLD_DEFAULT, "xcb_get_selection_owner_reply"));
  if (!intern || !intern_r || !owner || !owner_r) return false;
  auto* c = reinterpret_cast<xcb_connection_t*>(x11->connection());
  const std::string name = "_NET_WM_CM_S0";
  intern_reply* a = intern_r(c, intern(c, 1, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
  if (!a) return false;
  const uint32_t atom = a->atom;
  std::free(a);
  if (atom == 0) return false;
  owner_reply* o = owner_r(c, owner(c, atom), nullptr);
  if (!o) return false;
  const bool running = o->owner != 0;
  std::free(o);
  return running;
}

}  // namespace

bool layered_windows_supported_() {
  if (!qGuiApp) return false;
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("xcb")) return x11_compositor_running();
  // Wayland always composites; offscreen and the minimal platforms have nothing below a window.
  return platform.startsWith(QLatin1String("wayland"));
}
