#pragma once
// The widget steps aside while a full-screen program is in front of its monitor.

namespace pellomi {

// The timer tick's share: hides the widget when a full-screen program came to the front of its
// monitor, shows it again (without the focus) once it left; nothing with --fullscreen=show.
void StepAsideForFullScreen();

}  // namespace pellomi
