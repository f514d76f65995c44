#include "user/test_support.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include "user/icons.h"
#include "user/resources.h"
#include "user/window.h"

namespace layer::user {

QWidget* WidgetOf(HWND handle) {
  Window* window = LookUpWindow(handle);
  return window ? window->widget.data() : nullptr;
}

HWND WindowOf(const QWidget* widget) { return WindowOfWidget(widget); }

HINSTANCE ProgramInstance() { return ProgramModule(); }

bool DropFiles(HWND topLevel, QPoint clientPoint, const QStringList& posixPaths) {
  QWidget* widget = WidgetOf(topLevel);
  if (!widget || !widget->windowHandle()) return false;
  QWindow* window = widget->windowHandle();
  QList<QUrl> urls;
  for (const QString& path : posixPaths) urls.push_back(QUrl::fromLocalFile(path));
  QMimeData mime;
  mime.setUrls(urls);
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
  auto leave = [window] {
    QDragLeaveEvent event;
    QCoreApplication::sendEvent(window, &event);
  };
  QDragEnterEvent enter(clientPoint, actions, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &enter);
  if (!enter.isAccepted()) {
    leave();
    return false;
  }
  QDragMoveEvent move(clientPoint, actions, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &move);
  if (!move.isAccepted()) {
    leave();
    return false;
  }
  QDropEvent drop(clientPoint, actions, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &drop);
  return drop.isAccepted();
}

QPoint CentreOf(HWND child) {
  QWidget* widget = WidgetOf(child);
  if (!widget) return {};
  return widget->mapTo(widget->window(), widget->rect().center());
}

}  // namespace layer::user
