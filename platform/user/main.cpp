// The process entry point on Linux: the Qt application, then the program's WinMain with the
// program module's instance, the command line (without the program name) and SW_SHOWDEFAULT.
#include <QApplication>
#include <string>

#include "user/ansi_text.h"
#include "user/message_box_presenter.h"
#include "user/resources.h"
#include "user/user.h"

int main(int argc, char** argv) {
  // Qt WebEngine's views share OpenGL contexts with the widgets; this must precede QApplication.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  // The program ends when WinMain returns, not when its last window closes.
  application.setQuitOnLastWindowClosed(false);
  layer::user::InstallMessageBoxPresenter();

  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += layer::user::ToAnsi(QString::fromLocal8Bit(argv[i]));
  }
  return WinMain(layer::user::ProgramModule(), nullptr, commandLine.data(), SW_SHOWDEFAULT);
}
