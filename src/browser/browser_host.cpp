#include "browser/browser_host.h"

// The host does not make its window and control yet: until it does, it is a host without a
// control, and placing it changes nothing.
BrowserHost::BrowserHost(HWND /*parent*/) : control(NULL) {}

BrowserHost::~BrowserHost() {
  if (control) control->Release();
  control = NULL;
}
