#include "label/label_refresh_win.h"

#include <vector>

#include "windowed/window_tree_win.h"

namespace pellomi {
namespace {

// Visible windows inside `window`, depth first from the top of the z-order; each window after
// the windows inside it.
void CollectVisibleWindows(HWND window, std::vector<HWND>& out) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    if (GetWindow(child, GW_CHILD) != nullptr) CollectVisibleWindows(child, out);
    out.push_back(child);
  }
}

constexpr UINT kRepaintNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME;

}  // namespace

void RefreshLabelArea(HWND label) {
  HWND ancestor = TopLevelOf(label);

  RECT area{};
  GetClientRect(label, &area);
  MapWindowPoints(label, nullptr, reinterpret_cast<POINT*>(&area), 2);

  RECT inAncestor = area;
  MapWindowPoints(nullptr, ancestor, reinterpret_cast<POINT*>(&inAncestor), 2);
  InvalidateRect(ancestor, &inAncestor, TRUE);
  UpdateWindow(ancestor);

  std::vector<HWND> windows;
  CollectVisibleWindows(ancestor, windows);
  // Bottom of the z-order first, and each window before the windows inside it.
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    RECT bounds{};
    RECT overlap{};
    GetWindowRect(*it, &bounds);
    if (!IntersectRect(&overlap, &bounds, &area)) continue;
    MapWindowPoints(nullptr, *it, reinterpret_cast<POINT*>(&overlap), 2);
    RedrawWindow(*it, &overlap, nullptr, kRepaintNow);
  }

  InvalidateRect(label, nullptr, FALSE);
}

}  // namespace pellomi
