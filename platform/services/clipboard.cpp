#include "platform/services/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool clipboard_set_text_(const std::string& text) {
  if (!qGuiApp) return false;
  QClipboard* c = QGuiApplication::clipboard();
  if (!c) return false;
  c->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  return true;
}

std::string clipboard_text_() {
  if (!qGuiApp || !QGuiApplication::clipboard()) return {};
  return QGuiApplication::clipboard()->text().toStdString();
}

bool clipboard_has_text_() {
  if (!qGuiApp || !QGuiApplication::clipboard()) return false;
  const QMimeData* m = QGuiApplication::clipboard()->mimeData();
  return m && m->hasText();
}

void clipboard_clear_() {
  if (qGuiApp && QGuiApplication::clipboard()) QGuiApplication::clipboard()->clear();
}
