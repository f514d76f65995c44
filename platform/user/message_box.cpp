#include <cstdio>
#include <utility>

#include "user/message_box_hook.h"
#include "user/user.h"

namespace layer {
namespace {

MessageBoxHandler& Recorder() {
  static MessageBoxHandler recorder;
  return recorder;
}

MessageBoxHandler& Presenter() {
  static MessageBoxHandler presenter;
  return presenter;
}

}  // namespace

void SetMessageBoxRecorder(MessageBoxHandler recorder) { Recorder() = std::move(recorder); }
void ClearMessageBoxRecorder() { Recorder() = nullptr; }
void SetMessageBoxPresenter(MessageBoxHandler presenter) { Presenter() = std::move(presenter); }

}  // namespace layer

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  // Windows shows "Error" for a null caption and an empty box for a null text.
  layer::MessageBoxCall call{owner, text ? text : "", caption ? caption : "Error", type};
  if (layer::Recorder()) return layer::Recorder()(call);
  if (layer::Presenter()) return layer::Presenter()(call);
  std::fprintf(stderr, "[%s] %s\n", call.caption.c_str(), call.text.c_str());
  return IDOK;
}
