// File drops: a drag of files from another program becomes WM_DROPFILES for the innermost
// window under the pointer that has WS_EX_ACCEPTFILES. Windows without it do not accept drops
// (ApplyStyles turns acceptDrops off), so Qt passes the drag on to their parent; a window with
// it takes the drop itself, an edit field included, instead of inserting the text.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <string>
#include <vector>

#include "shell/drop.h"
#include "user/window.h"

namespace layer::user {
namespace {

std::vector<std::string> LocalPaths(const QMimeData* mime) {
  std::vector<std::string> paths;
  if (!mime || !mime->hasUrls()) return paths;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

class DropTarget : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    HWND handle = WindowOfWidget(widget);
    Window* window = LookUpWindow(handle);
    if (!window || window->widget != widget) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> paths = LocalPaths(drop->mimeData());
    if (!(window->exStyle & WS_EX_ACCEPTFILES) || paths.empty()) {
      drop->ignore();
      return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
      // The drop handle lives until the window procedure has returned.
      UniqueDrop files(MakeDrop(paths));
      SendMessageA(handle, WM_DROPFILES, reinterpret_cast<WPARAM>(files.get()), 0);
    }
    return true;
  }
};

}  // namespace

void InstallDropTarget(QWidget* widget) {
  static QPointer<DropTarget> target;
  if (!qApp) return;
  if (!target) target = new DropTarget(qApp);
  widget->installEventFilter(target);
}

}  // namespace layer::user
