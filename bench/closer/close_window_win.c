// Posts WM_CLOSE to every top-level window with a given title, so that a benchmark run ends the
// way a user's close would, with the tray icon removed.
//
//   close_window TITLE   closes once; exit code 1 when no window had the title
//   close_window         serves: reads one UTF-8 title per line from stdin and answers each with
//                        "closed N"; ends at end of input. Being a desktop client all along, it
//                        also keeps Wine's desktop process (explorer) alive between runs.
#include <windows.h>

static wchar_t wanted[256];
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

static int CloseTitled(void) {
  closed = 0;
  EnumWindows(CloseIfTitled, 0);
  return closed;
}

static void WriteOut(const char* text, DWORD length) {
  DWORD written;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, length, &written, NULL);
}

static int Serve(void) {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  char line[1024];
  DWORD used = 0;
  GetDesktopWindow();  // attach to the desktop now, not at the first request
  WriteOut("ready\n", 6);
  for (;;) {
    char c;
    DWORD got = 0;
    if (!ReadFile(in, &c, 1, &got, NULL) || got == 0) return 0;
    if (c == '\r') continue;
    if (c != '\n') {
      if (used < sizeof line - 1) line[used++] = c;
      continue;
    }
    int length = MultiByteToWideChar(CP_UTF8, 0, line, (int)used, wanted, 255);
    wanted[length] = L'\0';
    used = 0;
    char answer[32];
    int n = wsprintfA(answer, "closed %d\n", CloseTitled());
    WriteOut(answer, (DWORD)n);
  }
}

int wmain(int argc, wchar_t** argv) {
  if (argc == 1) return Serve();
  if (argc != 2) return 2;
  lstrcpynW(wanted, argv[1], 256);
  return CloseTitled() > 0 ? 0 : 1;
}
