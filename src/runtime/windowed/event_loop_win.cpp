#include "windowed/event_loop_win.h"

#include <windows.h>

#include "form/runtime_state.h"

namespace pellomi {

int RunEventLoop() {
  RuntimeState& runtime = Runtime();
  runtime.runStarted = true;
  if (!runtime.store.AnyWindowLoaded()) return 0;
  // GetMessage blocks while the queue is empty, so the loop costs nothing while idle.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void WindowDestroyed() {
  RuntimeState& runtime = Runtime();
  if (runtime.runStarted && !runtime.terminating && !runtime.store.AnyWindowLoaded()) {
    PostQuitMessage(0);
  }
}

}  // namespace pellomi
