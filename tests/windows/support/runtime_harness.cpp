#include "windows/support/runtime_harness.h"

#include <vector>

#include "form/identifiers.h"
#include "form/runtime_state.h"
#include "form/window_lookup.h"
#include "handlers/handler_table.h"
#include "start/load_window_win.h"
#include "start/runtime_lifecycle_win.h"
#include "template/countdown_template.h"
#include "template/countdown_units.h"

namespace pellomi::testing {
namespace {

bool g_initialised = false;

struct BoxSearch {
  DWORD processId;
  HWND box;
};

BOOL CALLBACK FindChildBox(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<BoxSearch*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  if (pid == search->processId && std::wstring(cls) == L"#32770" && IsWindowVisible(hwnd)) {
    search->box = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND hwnd, LPARAM lParam) {
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  if (std::wstring(cls) == L"Static") {
    wchar_t text[2048] = {};
    GetWindowTextW(hwnd, text, 2048);
    if (text[0] != L'\0') *reinterpret_cast<std::wstring*>(lParam) += text;
  }
  return TRUE;
}

}  // namespace

void EnsureRuntime(HandlerRoutine (*resolve)(std::string_view)) {
  if (g_initialised) return;
  g_initialised = true;
  InitRuntime({BuildCountdownTemplate, resolve != nullptr ? resolve : ResolveProgramHandler});
  Runtime().runStarted = false;  // tests pump themselves; no quit message on destruction
}

HWND LoadCountdown() {
  EnsureRuntime();
  LoadWindow(kCountdownWindowId);
  return CountdownHwnd();
}

HWND CountdownHwnd() {
  return static_cast<HWND>(WindowHandleOf(kCountdownWindowId));
}

void DestroyCountdown() {
  HWND hwnd = CountdownHwnd();
  if (hwnd != nullptr) SendMessageW(hwnd, WM_CLOSE, 0, 0);
  PumpMessages(50);
}

void PumpMessages(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start >= ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

ChildOutcome RunChild(std::string_view gtestFilter, int button, DWORD timeoutMs) {
  ChildOutcome outcome;
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(exe) + L"\" --gtest_also_run_disabled_tests " +
                         L"--gtest_filter=" + std::wstring(gtestFilter.begin(), gtestFilter.end());
  std::vector<wchar_t> buffer(command.begin(), command.end());
  buffer.push_back(L'\0');
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  // Once, in a full run under a loaded Wine, the child did not start at all; try again first.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    if (attempt > 0) Sleep(500);
    started = CreateProcessW(exe, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                             &pi) != FALSE;
  }
  if (!started) {
    outcome.exitCode = 0xFFFFFFFEu;
    return outcome;
  }
  DWORD start = GetTickCount();
  while (WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT) {
    BoxSearch search{pi.dwProcessId, nullptr};
    EnumWindows(FindChildBox, reinterpret_cast<LPARAM>(&search));
    if (search.box != nullptr && !outcome.sawBox) {
      outcome.sawBox = true;
      wchar_t caption[256] = {};
      GetWindowTextW(search.box, caption, 256);
      outcome.boxCaption = caption;
      EnumChildWindows(search.box, CollectStaticText, reinterpret_cast<LPARAM>(&outcome.boxText));
      PostMessageW(search.box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }
    if (GetTickCount() - start > timeoutMs) {
      TerminateProcess(pi.hProcess, 0xDEAD);
      WaitForSingleObject(pi.hProcess, 5000);
      break;
    }
  }
  GetExitCodeProcess(pi.hProcess, &outcome.exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return outcome;
}

}  // namespace pellomi::testing
