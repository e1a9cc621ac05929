#pragma once
// The tray-icon command's work for one window: find the picture, then show, replace or remove.
#include <windows.h>

#include "tray/tray_icon_win.h"
#include "values/typed_value.h"

namespace pellomi {

// `source`: a byte array holding an ICO file image, or a text naming an ICO file; anything else
// means no icon, which removes one that is shown. `tooltip`: null when the argument is absent.
void SetTrayIcon(TrayIcon& tray, HWND window, const TypedValue& source, const TypedValue* tooltip);

}  // namespace pellomi
