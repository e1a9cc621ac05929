#pragma once
// A second start of the same countdown (same date and title, as parsed) hands its other options
// to the running widget instead of starting another. Here: the identity that names the running
// widget, and the record the second start sends it (from another process, so read with care).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "options/countdown_options.h"

namespace pellomi {

// The date and title as parsed, in one text: equal exactly when a second start means this widget.
std::string WidgetIdentity(const CountdownOptions& options);

// The per-session object name for an identity: a hash, so that any title fits in a name.
std::wstring InstanceObjectName(const std::string& identity);

// What the second start names besides the date and title.
struct SecondStartRequest {
  std::string identity;
  std::optional<PlacementPreset> position;
  std::optional<std::int32_t> screen;
  std::optional<std::int32_t> sizePercent;
  std::optional<FullscreenMode> fullscreen;
  friend bool operator==(const SecondStartRequest&, const SecondStartRequest&) = default;
};

inline constexpr std::size_t kMaxIdentityBytes = 4096;

SecondStartRequest RequestFromOptions(const CountdownOptions& options);

std::vector<std::byte> EncodeSecondStart(const SecondStartRequest& request);

// None unless the bytes are exactly one record of this version with every value in range.
std::optional<SecondStartRequest> DecodeSecondStart(std::span<const std::byte> bytes);

}  // namespace pellomi
