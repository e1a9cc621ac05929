#pragma once
// The 60-byte LOGFONTA block a label stores for its font, read and written field by field so
// that no window-system header is needed.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pellomi {

inline constexpr std::size_t kLogFontSize = 60;      // sizeof(LOGFONTA)
inline constexpr std::size_t kLogFontFaceSize = 32;  // LF_FACESIZE

// Field values as the system defines them.
inline constexpr std::int32_t kNormalWeight = 400;               // FW_NORMAL
inline constexpr std::uint8_t kDefaultCharSet = 1;               // DEFAULT_CHARSET
inline constexpr std::uint8_t kGb2312CharSet = 134;              // GB2312_CHARSET
inline constexpr std::uint8_t kStrokeOutPrecision = 3;           // OUT_STROKE_PRECIS
inline constexpr std::uint8_t kStrokeClipPrecision = 2;          // CLIP_STROKE_PRECIS
inline constexpr std::uint8_t kDraftQuality = 1;                 // DRAFT_QUALITY
inline constexpr std::uint8_t kProofQuality = 2;                 // PROOF_QUALITY
inline constexpr std::uint8_t kVariablePitchSwiss = 0x2 | 0x20;  // VARIABLE_PITCH | FF_SWISS

struct LogFontFields {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  std::string face;  // GBK, at most 31 bytes; the stored field is zero-terminated

  bool operator==(const LogFontFields&) const = default;
};

// Little-endian, 60 bytes; the face field is zero-filled after the name.
std::vector<std::uint8_t> EncodeLogFont(const LogFontFields& font);

// None unless the block is exactly 60 bytes. The face ends at its first zero (bytes after it
// carry no meaning) or after 32 bytes.
std::optional<LogFontFields> DecodeLogFont(std::span<const std::uint8_t> block);

// A label draws with its stored size, weight, style and face, but lets the system choose the
// character set, precision and family, in proof quality.
LogFontFields FontForDrawing(LogFontFields stored);

// The stored font, whose height and width are in 96-DPI units like the rest of the template, for
// a window at `dpi` (ScaleToDpi on both).
LogFontFields FontForDpi(LogFontFields stored, std::uint32_t dpi);

}  // namespace pellomi
