#pragma once
// One widget per date and title in a user's session: a per-session named object holds the
// window of the widget that answers for them, so that a second start can hand its options over.
#include <windows.h>

#include <cstdint>

#include "handles_win.h"
#include "options/countdown_options.h"

namespace pellomi {

class RunningWidgetClaim {
 public:
  // Opens or creates the object of these options' date and title; when a widget there accepts
  // the other options within two seconds, HandedOver() is true and no widget is to start.
  explicit RunningWidgetClaim(const CountdownOptions& options);
  ~RunningWidgetClaim();
  RunningWidgetClaim(const RunningWidgetClaim&) = delete;
  RunningWidgetClaim& operator=(const RunningWidgetClaim&) = delete;

  bool HandedOver() const { return handedOver_; }

  // This process's widget answers from now on (also in place of one that did not answer).
  void Publish(HWND window);

 private:
  platform::UniqueKernelObject mapping_;
  platform::UniqueMappedView view_;
  HWND published_ = nullptr;
  bool handedOver_ = false;
};

}  // namespace pellomi
