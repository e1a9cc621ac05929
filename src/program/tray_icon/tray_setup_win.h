#pragma once
// The countdown window's tray icon.
namespace pellomi {

// Installs the hourglass with the countdown window's tooltip.
void InstallCountdownTrayIcon();

}  // namespace pellomi
