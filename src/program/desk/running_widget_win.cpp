#include "desk/running_widget_win.h"

#include <vector>

#include "options/second_start.h"

namespace pellomi {
namespace {

constexpr UINT kAnswerTimeoutMs = 2000;

volatile LONG64* Slot(const platform::UniqueMappedView& view) {
  return static_cast<volatile LONG64*>(view.Get());
}

bool SendRequest(HWND window, const CountdownOptions& options) {
  const std::vector<std::byte> record = EncodeSecondStart(RequestFromOptions(options));
  COPYDATASTRUCT data{};
  data.cbData = static_cast<DWORD>(record.size());
  data.lpData = const_cast<std::byte*>(record.data());
  DWORD_PTR answer = FALSE;
  // A widget that hangs or is gone is not waited for beyond the timeout.
  const LRESULT sent =
      SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                          SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs, &answer);
  return sent != 0 && answer == TRUE;
}

}  // namespace

RunningWidgetClaim::RunningWidgetClaim(const CountdownOptions& options) {
  const std::wstring name = InstanceObjectName(WidgetIdentity(options));
  // A mapping of the page file: per session by its Local\ name, no rights beyond the user's own.
  mapping_.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    sizeof(LONG64), name.c_str()));
  if (!mapping_) return;  // no claim: this start is a widget of its own
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  view_.Reset(MapViewOfFile(mapping_.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(LONG64)));
  if (!view_ || !existed) return;
  const auto window = reinterpret_cast<HWND>(InterlockedCompareExchange64(Slot(view_), 0, 0));
  handedOver_ = window != nullptr && IsWindow(window) && SendRequest(window, options);
}

void RunningWidgetClaim::Publish(HWND window) {
  if (!view_ || window == nullptr) return;
  InterlockedExchange64(Slot(view_), reinterpret_cast<LONG64>(window));
  published_ = window;
}

RunningWidgetClaim::~RunningWidgetClaim() {
  // Only our own window is taken back: another widget may have answered since.
  if (view_ && published_ != nullptr) {
    InterlockedCompareExchange64(Slot(view_), 0, reinterpret_cast<LONG64>(published_));
  }
}

}  // namespace pellomi
