// Documents opened with their program, and the notification-area entry.
#include "platform/services/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QSystemTrayIcon>
#include <QUrl>

#include <memory>

#include "platform/services/dialogs.h"

namespace {

std::vector<std::string> opened;
std::unique_ptr<QSystemTrayIcon> tray;
std::function<void()> tray_click;

}  // namespace

bool open_document_(const std::string& path) {
  QString p = QString::fromStdString(path).trimmed();
  if (p.isEmpty()) return false;
  if (dialog_scripting_()) {
    opened.push_back(p.toStdString());
    return true;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(p).absoluteFilePath()));
}

std::vector<std::string> take_opened_documents_() {
  std::vector<std::string> out;
  out.swap(opened);
  return out;
}

bool tray_available_() { return qApp && QSystemTrayIcon::isSystemTrayAvailable(); }

bool tray_add_(const std::string& tip) {
  if (!tray_available_()) return false;
  if (!tray) {
    tray = std::make_unique<QSystemTrayIcon>();
    tray->setIcon(QApplication::windowIcon());
    QObject::connect(tray.get(), &QSystemTrayIcon::activated, [](QSystemTrayIcon::ActivationReason) {
      if (tray_click) tray_click();
    });
    tray->show();
  }
  tray->setToolTip(QString::fromStdString(tip));
  return true;
}

void tray_remove_() { tray.reset(); }
bool tray_present_() { return static_cast<bool>(tray); }

bool tray_balloon_(const std::string& text, const std::string& title, balloon_icon_ icon, int32_t timeout_ms) {
  if (!tray) return false;
  const QSystemTrayIcon::MessageIcon i = icon == balloon_icon_::info ? QSystemTrayIcon::Information
                                         : icon == balloon_icon_::warning ? QSystemTrayIcon::Warning
                                         : icon == balloon_icon_::error ? QSystemTrayIcon::Critical
                                                                         : QSystemTrayIcon::NoIcon;
  tray->showMessage(QString::fromStdString(title), QString::fromStdString(text), i, std::max(timeout_ms, 0));
  return true;
}

void set_tray_activated_(std::function<void()> on_click) { tray_click = std::move(on_click); }
