#pragma once
// The window kind's own record (properties 8 to 31) and the timer's record, with their stored
// forms, and the style computation that creates a window from its record.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pellomi {

inline constexpr std::uint32_t kWindowRecordVersion = 6;
inline constexpr std::uint32_t kTimerRecordVersion = 1;
inline constexpr std::uint32_t kSystemButtonFaceColour = 0xFF000000u;

enum WindowState : std::int32_t {
  kStateNormal = 0,
  kStateCentered = 1,
  kStateMinimized = 2,
  kStateMaximized = 3,
};

struct WindowRecord {
  std::uint32_t version = kWindowRecordVersion;
  std::string title;                                         // 8
  std::int32_t borderStyle = 2;                              // 9
  std::uint32_t backgroundColour = kSystemButtonFaceColour;  // 10
  std::vector<std::uint8_t> backgroundPicture;               // 11
  std::int32_t pictureMode = 1;                              // 12
  std::vector<std::uint8_t> extraBackground;                 // 13
  std::int32_t extraBackgroundChoice = 0;                    // 14
  bool controlBox = true;                                    // 15
  bool maximizeBox = false;                                  // 16
  bool minimizeBox = true;                                   // 17
  std::int32_t windowState = kStateCentered;                 // 18
  bool movable = true;                                       // 19
  std::vector<std::uint8_t> icon;                            // 20
  bool enterKeyFlag = false;                                 // 21
  bool escapeCloses = true;                                  // 22
  bool f1OpensHelp = false;                                  // 23
  std::string helpFile;                                      // 24
  std::int32_t helpContext = 0;                              // 25
  bool shownInTaskbar = true;                                // 26
  bool dragByClientArea = false;                             // 27
  std::int32_t shape = 0;                                    // 28
  bool alwaysOnTop = false;                                  // 29
  bool windowFlag = false;                                   // 30
  std::string className;                                     // 31

  bool operator==(const WindowRecord&) const = default;
};

std::vector<std::uint8_t> SaveWindowRecord(const WindowRecord& record);
// None when the bytes are cut short or carry a version above 6.
std::optional<WindowRecord> ReadWindowRecord(const std::vector<std::uint8_t>& bytes);

std::vector<std::uint8_t> SaveTimerRecord(std::int32_t intervalMs);
// The interval; none when the version is above 1 or the bytes are cut short.
std::optional<std::int32_t> ReadTimerRecord(const std::vector<std::uint8_t>& bytes);

// Style bits, as the window system defines them (kept here so the computation needs no windows.h).
namespace style {
inline constexpr std::uint32_t kCaption = 0x00C00000u;
inline constexpr std::uint32_t kSysMenu = 0x00080000u;
inline constexpr std::uint32_t kDlgFrame = 0x00400000u;
inline constexpr std::uint32_t kThickFrame = 0x00040000u;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000u;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000u;
inline constexpr std::uint32_t kClipChildren = 0x02000000u;
inline constexpr std::uint32_t kDisabled = 0x08000000u;
inline constexpr std::uint32_t kTabStop = 0x00010000u;
inline constexpr std::uint32_t kMinimize = 0x20000000u;
inline constexpr std::uint32_t kMaximize = 0x01000000u;
inline constexpr std::uint32_t kExToolWindow = 0x00000080u;
inline constexpr std::uint32_t kExClientEdge = 0x00000200u;
}  // namespace style

struct WindowCreation {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool ownedByHiddenOwner = false;
};

// How a window is created from its record, unit flags and template geometry on a screen.
WindowCreation ComputeWindowCreation(const WindowRecord& record, std::uint32_t unitFlags,
                                     std::int32_t left, std::int32_t top, std::int32_t width,
                                     std::int32_t height, std::int32_t screenWidth,
                                     std::int32_t screenHeight);

// The caption, frame and box bits that the record asks for (re-applied after creation).
std::uint32_t FrameBits(const WindowRecord& record);
inline constexpr std::uint32_t kFrameBitMask = style::kCaption | style::kSysMenu |
                                               style::kDlgFrame | style::kThickFrame |
                                               style::kMaximizeBox | style::kMinimizeBox;

}  // namespace pellomi
