// The child window of the main dialog that hosts the web browser control.
#pragma once

#include "app/window_base.h"
#include "text/vemi_string.h"

class BrowserHost : public WindowBase {
 public:
  explicit BrowserHost(HWND parent);
  ~BrowserHost() override;

  IUnknown* control;
  VemiString lastError;
};
