#include "options/second_start.h"

#include <cstring>

namespace pellomi {
namespace {

// The record: magic, version, a bit per named option, the values, then the identity's bytes.
constexpr std::uint32_t kMagic = 0x494D4C50;  // "PLMI"
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderBytes = 24;
enum Flag : std::uint16_t {
  kHasPosition = 1,
  kHasScreen = 2,
  kHasSize = 4,
  kHasFullscreen = 8,
};
constexpr std::uint16_t kKnownFlags = kHasPosition | kHasScreen | kHasSize | kHasFullscreen;

void Put(std::vector<std::byte>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::byte>(value >> (8 * i)));
}

std::uint32_t Get(std::span<const std::byte> in, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    value |= static_cast<std::uint32_t>(in[at + static_cast<std::size_t>(i)]) << (8 * i);
  }
  return value;
}

}  // namespace

std::string WidgetIdentity(const CountdownOptions& options) {
  std::string text;
  if (!options.target) {
    text = "default";
  } else if (const auto* once = std::get_if<OnceDate>(&*options.target)) {
    // A local midnight is a whole day number.
    text = "once " + std::to_string(static_cast<long long>(once->day));
  } else if (const auto* yearly = std::get_if<YearlyDate>(&*options.target)) {
    text = "yearly " + std::to_string(yearly->month) + "/" + std::to_string(yearly->day);
  } else {
    const auto& lunar = std::get<YearlyLunarDate>(*options.target);
    text = "lunar " + std::to_string(lunar.month) + "/" + std::to_string(lunar.day);
  }
  // The title last and whole: it may hold any character but a control.
  if (options.title) text += "\ntitle " + *options.title;
  return text;
}

std::wstring InstanceObjectName(const std::string& identity) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : identity) {
    hash = (hash ^ c) * 1099511628211ull;
  }
  std::wstring name = L"Local\\Pellomi-";
  for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 15];
  return name;
}

SecondStartRequest RequestFromOptions(const CountdownOptions& options) {
  return {WidgetIdentity(options), options.position, options.screen, options.sizePercent,
          options.fullscreen};
}

std::vector<std::byte> EncodeSecondStart(const SecondStartRequest& request) {
  std::vector<std::byte> out;
  std::uint16_t flags = 0;
  if (request.position) flags |= kHasPosition;
  if (request.screen) flags |= kHasScreen;
  if (request.sizePercent) flags |= kHasSize;
  if (request.fullscreen) flags |= kHasFullscreen;
  Put(out, kMagic, 4);
  Put(out, kVersion, 2);
  Put(out, flags, 2);
  Put(out, request.position ? static_cast<std::uint32_t>(*request.position) : 0, 1);
  Put(out, request.fullscreen ? static_cast<std::uint32_t>(*request.fullscreen) : 0, 1);
  Put(out, 0, 2);
  Put(out, static_cast<std::uint32_t>(request.screen.value_or(0)), 4);
  Put(out, static_cast<std::uint32_t>(request.sizePercent.value_or(0)), 4);
  Put(out, static_cast<std::uint32_t>(request.identity.size()), 4);
  for (char c : request.identity) out.push_back(static_cast<std::byte>(c));
  return out;
}

std::optional<SecondStartRequest> DecodeSecondStart(std::span<const std::byte> bytes) {
  if (bytes.size() < kHeaderBytes) return std::nullopt;
  const std::uint32_t identityBytes = Get(bytes, 20, 4);
  if (Get(bytes, 0, 4) != kMagic || Get(bytes, 4, 2) != kVersion ||
      identityBytes > kMaxIdentityBytes || bytes.size() != kHeaderBytes + identityBytes) {
    return std::nullopt;
  }
  const std::uint32_t flags = Get(bytes, 6, 2);
  const std::uint32_t position = Get(bytes, 8, 1);
  const std::uint32_t fullscreen = Get(bytes, 9, 1);
  const auto screen = static_cast<std::int32_t>(Get(bytes, 12, 4));
  const auto size = static_cast<std::int32_t>(Get(bytes, 16, 4));
  // Every unused field is zero, so that a record has one form only.
  if ((flags & ~kKnownFlags) != 0 || Get(bytes, 10, 2) != 0) return std::nullopt;
  if ((flags & kHasPosition) ? position > static_cast<std::uint32_t>(PlacementPreset::kBottomRight)
                             : position != 0) {
    return std::nullopt;
  }
  if ((flags & kHasFullscreen) ? fullscreen > 1 : fullscreen != 0) return std::nullopt;
  if ((flags & kHasScreen) ? (screen < 1 || screen > kMaxScreenNumber) : screen != 0) {
    return std::nullopt;
  }
  if ((flags & kHasSize) ? (size < kMinSizePercent || size > kMaxSizePercent) : size != 0) {
    return std::nullopt;
  }
  SecondStartRequest request;
  request.identity.resize(identityBytes);
  if (identityBytes != 0) std::memcpy(request.identity.data(), &bytes[kHeaderBytes], identityBytes);
  if (flags & kHasPosition) request.position = static_cast<PlacementPreset>(position);
  if (flags & kHasFullscreen) request.fullscreen = static_cast<FullscreenMode>(fullscreen);
  if (flags & kHasScreen) request.screen = screen;
  if (flags & kHasSize) request.sizePercent = size;
  return request;
}

}  // namespace pellomi
