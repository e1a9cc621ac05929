// Posts WM_CLOSE to every top-level window titled like the argument, so a benchmark run ends the
// way a user's close would, with the tray icon removed. Exit code 1 when no window had the title.
#include <windows.h>

static const wchar_t* wanted;
static int closed;

static BOOL CALLBACK CloseIfTitled(HWND hwnd, LPARAM unused) {
  (void)unused;
  wchar_t title[256];
  if (GetWindowTextW(hwnd, title, 256) > 0 && lstrcmpW(title, wanted) == 0) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    ++closed;
  }
  return TRUE;
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  wanted = argv[1];
  EnumWindows(CloseIfTitled, 0);
  return closed > 0 ? 0 : 1;
}
