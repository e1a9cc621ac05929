#include "start/runtime_lifecycle_win.h"

#include <ole2.h>

#include "form/runtime_error.h"
#include "form/runtime_state.h"
#include "form/runtime_texts.h"
#include "gbk_win.h"
#include "handles_win.h"
#include "late_bound/dll_command_win.h"
#include "values/memory_service.h"
#include "windowed/window_messages.h"

namespace pellomi {
namespace {

constexpr wchar_t kOwnerClassName[] = L"PellomiOwner";

struct RuntimeProcess {
  platform::UniqueWindow hiddenOwner;
  DWORD uiThread = 0;
  bool oleInitialised = false;
  bool terminationRunning = false;
};

RuntimeProcess& Process() {
  static RuntimeProcess process;
  return process;
}

LRESULT CALLBACK OwnerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kExitRequestMessage) {
    TerminateRuntime(static_cast<int>(wParam));
    ExitProcess(static_cast<UINT>(wParam));
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateHiddenOwner() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = OwnerWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kOwnerClassName;
  RegisterClassExW(&wc);
  return CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

void SetCurrentDirectoryToProgram() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  for (DWORD i = length; i > 0; --i) {
    if (path[i - 1] == L'\\') {
      path[i - 1] = L'\0';
      SetCurrentDirectoryW(path);
      return;
    }
  }
}

// The program's constant texts and tables (its literals among them) lie in its image, which is
// never a heap block: releasing one of them must change nothing.
void RegisterProgramImageAsConstantPool() {
  const auto* image = reinterpret_cast<const unsigned char*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
  const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
  RegisterConstantPool(image, headers->OptionalHeader.SizeOfImage);
}

}  // namespace

void InitRuntime(const ProgramDefinition& program) {
  RuntimeProcess& process = Process();
  process.oleInitialised = SUCCEEDED(OleInitialize(nullptr));
  RegisterProgramImageAsConstantPool();
  SetCurrentDirectoryToProgram();
  process.hiddenOwner.Reset(CreateHiddenOwner());
  process.uiThread = GetCurrentThreadId();
  SetFatalErrorPresenter(PresentFatalError);
  RuntimeState& runtime = Runtime();
  runtime.store.Add(program.buildTemplate(program.resolveHandler));
  if (runtime.store.Empty()) ReportRuntimeError(texts::kTemplateLoadFailed, 0, 0, 0);
}

HWND HiddenOwnerWindow() {
  return Process().hiddenOwner.Get();
}

void TerminateRuntime(int exitCode) {
  RuntimeProcess& process = Process();
  if (process.uiThread != 0 && GetCurrentThreadId() != process.uiThread) {
    if (HWND owner = process.hiddenOwner.Get(); owner != nullptr && IsWindow(owner)) {
      SendMessageW(owner, kExitRequestMessage, static_cast<WPARAM>(exitCode), 0);
    }
    if (!process.terminationRunning) ExitProcess(static_cast<UINT>(exitCode));
    return;
  }
  if (process.terminationRunning) return;
  process.terminationRunning = true;
  RuntimeState& runtime = Runtime();
  runtime.terminating = true;
  runtime.store.Clear();
  RunCleanupRoutines();
  UnloadDllCommands();
  process.hiddenOwner.Reset();
  if (process.oleInitialised) {
    OleUninitialize();
    process.oleInitialised = false;
  }
}

void PresentFatalError(const std::string& text) {
  MessageBoxW(nullptr, platform::WideFromGbk(text).c_str(),
              platform::WideFromGbk(texts::kErrorCaption).c_str(), MB_ICONERROR);
  TerminateRuntime(-1);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace pellomi
