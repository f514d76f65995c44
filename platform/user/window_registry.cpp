#include <QVariant>
#include <algorithm>
#include <cstdint>
#include <map>

#include "user/built_in_classes.h"
#include "user/window.h"

namespace layer::user {
namespace {

constexpr char kHandleProperty[] = "layer.hwnd";

std::map<std::string, std::unique_ptr<WindowClass>>& ClassTable() {
  static std::map<std::string, std::unique_ptr<WindowClass>> table;
  return table;
}

void EnsureBuiltInClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterDialogClass();
  RegisterControlClasses();
}

std::string Upper(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
  }
  return name;
}

struct WindowTable {
  std::map<HWND, std::unique_ptr<Window>> windows;
  uintptr_t next = 0x10010;
};

WindowTable& Windows() {
  static WindowTable table;
  return table;
}

}  // namespace

WindowClass* RegisterWindowClass(const std::string& name, WNDPROC proc,
                                 std::function<QWidget*(Window&, QWidget*)> makeWidget) {
  EnsureBuiltInClasses();
  auto& slot = ClassTable()[Upper(name)];
  if (!slot) slot = std::make_unique<WindowClass>();
  slot->name = Upper(name);
  slot->proc = proc;
  slot->makeWidget = std::move(makeWidget);
  return slot.get();
}

WindowClass* FindWindowClass(const std::string& name) {
  EnsureBuiltInClasses();
  auto it = ClassTable().find(Upper(name));
  return it == ClassTable().end() ? nullptr : it->second.get();
}

void ForEachWindowOfClass(const WindowClass* windowClass, const std::function<void(Window&)>& visit) {
  for (auto& [handle, window] : Windows().windows) {
    if (window->windowClass == windowClass) visit(*window);
  }
}

void ForEachWindow(const std::function<void(Window&)>& visit) {
  for (auto& [handle, window] : Windows().windows) visit(*window);
}

Window* LookUpWindow(HWND handle) {
  auto& windows = Windows().windows;
  auto it = windows.find(handle);
  return it == windows.end() ? nullptr : it->second.get();
}

HWND AddWindow(std::unique_ptr<Window> window) {
  // Handles look like Windows' (small, 4-aligned) and count up, never reused.
  HWND handle = reinterpret_cast<HWND>(Windows().next);
  Windows().next += 4;
  window->handle = handle;
  if (window->widget) window->widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(handle)));
  Windows().windows.emplace(handle, std::move(window));
  return handle;
}

std::unique_ptr<Window> RemoveWindow(HWND handle) {
  auto& windows = Windows().windows;
  auto it = windows.find(handle);
  if (it == windows.end()) return nullptr;
  std::unique_ptr<Window> window = std::move(it->second);
  windows.erase(it);
  if (window->widget) window->widget->setProperty(kHandleProperty, QVariant());
  return window;
}

HWND DesktopWindow() { return reinterpret_cast<HWND>(uintptr_t{0x10010 - 4}); }

HWND WindowOfWidget(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    QVariant value = w->property(kHandleProperty);
    if (value.isValid()) {
      HWND handle = reinterpret_cast<HWND>(value.value<quintptr>());
      return LookUpWindow(handle) ? handle : nullptr;
    }
    // Another top-level window (a message box owned by a dialog) is not part of its owner.
    if (w->isWindow()) return nullptr;
  }
  return nullptr;
}

bool IsDialog(const Window& window) { return window.dialog != nullptr; }

HWND DialogOf(HWND handle) {
  for (Window* window = LookUpWindow(handle); window; window = LookUpWindow(window->parent)) {
    if (IsDialog(*window)) return window->handle;
  }
  return nullptr;
}

}  // namespace layer::user
