#pragma once
// Building a window and its units from the template store.
#include "form/identifiers.h"

namespace pellomi {

// Fatal runtime error "载入启动窗口失败" when the window is unknown or a unit cannot be made.
void LoadWindow(WindowId window);

}  // namespace pellomi
