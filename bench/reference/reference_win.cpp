// The least Win32 code that shows what the widget shows: the yardstick for its start-up cost.
// A hidden owner tool window, a borderless 300 x 120 white window owned by it, two red centered
// lines redrawn with a fresh font per paint, a 1 s timer, a 256 x 256 tray icon from embedded ICO
// bytes, alpha 180 with click-through, rounded corners, shown at the top center.
#include <windows.h>
// Needs the types of windows.h.
#include <shellapi.h>

#include <cstddef>

namespace pellomi {
extern const unsigned char* const kHourglassIco;
extern const std::size_t kHourglassIco_size;
}  // namespace pellomi

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 120;
constexpr UINT kTrayMessage = WM_APP + 100;
constexpr std::size_t kIcoPrefix = 22;  // ICONDIR + one ICONDIRENTRY
wchar_t caption[32];

// Whole days from now to 2024-06-07 00:00 local time, floored.
int DaysLeft() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  SYSTEMTIME target{};
  target.wYear = 2024;
  target.wMonth = 6;
  target.wDay = 7;
  FILETIME a, b;
  SystemTimeToFileTime(&now, &a);
  SystemTimeToFileTime(&target, &b);
  const long long day = 864000000000LL;  // 100 ns units
  long long diff = ((long long)b.dwHighDateTime << 32 | b.dwLowDateTime) -
                   ((long long)a.dwHighDateTime << 32 | a.dwLowDateTime);
  long long days = diff / day;
  if (diff % day != 0 && diff < 0) --days;
  return (int)days;
}

void DrawLine(HDC dc, const wchar_t* text, int height, RECT area) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = PROOF_QUALITY;
  lstrcpyW(font.lfFaceName, L"\u5FAE\u8F6F\u96C5\u9ED1");  // 微软雅黑
  HFONT handle = CreateFontIndirectW(&font);
  HGDIOBJ old = SelectObject(dc, handle);
  DrawTextW(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  DeleteObject(handle);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 0, 0));
      DrawLine(dc, L"Pellomi", -29, RECT{-14, -16, 314, 72});
      DrawLine(dc, caption, -48, RECT{-30, 40, 330, 104});
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_TIMER:
      return 0;
    case WM_DESTROY: {
      NOTIFYICONDATAW data{};
      data.cbSize = NOTIFYICONDATAW_V1_SIZE;
      data.hWnd = hwnd;
      data.uID = 1;
      Shell_NotifyIconW(NIM_DELETE, &data);
      PostQuitMessage(0);
      return 0;
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  wsprintfW(caption, L"\u8FD8\u6709%d\u5929", DaysLeft());  // 还有%d天

  WNDCLASSW owner{};
  owner.lpfnWndProc = DefWindowProcW;
  owner.hInstance = instance;
  owner.lpszClassName = L"ReferenceOwner";
  RegisterClassW(&owner);
  HWND ownerWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"ReferenceOwner", L"", WS_POPUP, 0, 0, 0, 0,
                                     nullptr, nullptr, instance, nullptr);

  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
  wc.lpszClassName = L"Reference";
  RegisterClassW(&wc);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  HWND hwnd =
      CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, L"Reference", L"reference", WS_POPUP, left,
                      10, kWidth, kHeight, ownerWindow, nullptr, instance, nullptr);
  SetTimer(hwnd, 1, 1000, nullptr);

  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = hwnd;
  data.uID = 1;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = CreateIconFromResourceEx(const_cast<PBYTE>(pellomi::kHourglassIco + kIcoPrefix),
                                        (DWORD)(pellomi::kHourglassIco_size - kIcoPrefix), TRUE,
                                        0x00030000, 256, 256, 0);
  lstrcpyW(data.szTip, L"reference");
  Shell_NotifyIconW(NIM_ADD, &data);

  SetLayeredWindowAttributes(hwnd, 0, 180, LWA_ALPHA);
  SetWindowRgn(hwnd, CreateRoundRectRgn(0, 0, kWidth, kHeight, 50, 50), TRUE);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DestroyIcon(data.hIcon);
  return (int)msg.wParam;
}
