#include "label/label_font.h"

#include <algorithm>

namespace pellomi {
namespace {

void PutI32(std::vector<std::uint8_t>& out, std::int32_t value) {
  auto raw = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(raw >> shift));
}

std::int32_t GetI32(std::span<const std::uint8_t> block, std::size_t offset) {
  std::uint32_t raw = static_cast<std::uint32_t>(block[offset]) |
                      static_cast<std::uint32_t>(block[offset + 1]) << 8 |
                      static_cast<std::uint32_t>(block[offset + 2]) << 16 |
                      static_cast<std::uint32_t>(block[offset + 3]) << 24;
  return static_cast<std::int32_t>(raw);
}

constexpr std::uint8_t kDefaultCharSet = 1;
constexpr std::uint8_t kProofQuality = 2;
constexpr std::size_t kFaceOffset = 28;

}  // namespace

std::vector<std::uint8_t> EncodeLogFont(const LogFontFields& font) {
  std::vector<std::uint8_t> out;
  out.reserve(kLogFontSize);
  PutI32(out, font.height);
  PutI32(out, font.width);
  PutI32(out, font.escapement);
  PutI32(out, font.orientation);
  PutI32(out, font.weight);
  for (std::uint8_t b :
       {font.italic, font.underline, font.strikeOut, font.charSet, font.outPrecision,
        font.clipPrecision, font.quality, font.pitchAndFamily}) {
    out.push_back(b);
  }
  std::size_t faceLength = std::min(font.face.size(), kLogFontFaceSize - 1);
  out.insert(out.end(), font.face.begin(),
             font.face.begin() + static_cast<std::ptrdiff_t>(faceLength));
  out.resize(kLogFontSize, 0);
  return out;
}

std::optional<LogFontFields> DecodeLogFont(std::span<const std::uint8_t> block) {
  if (block.size() != kLogFontSize) return std::nullopt;
  LogFontFields font;
  font.height = GetI32(block, 0);
  font.width = GetI32(block, 4);
  font.escapement = GetI32(block, 8);
  font.orientation = GetI32(block, 12);
  font.weight = GetI32(block, 16);
  font.italic = block[20];
  font.underline = block[21];
  font.strikeOut = block[22];
  font.charSet = block[23];
  font.outPrecision = block[24];
  font.clipPrecision = block[25];
  font.quality = block[26];
  font.pitchAndFamily = block[27];
  auto face = block.subspan(kFaceOffset, kLogFontFaceSize);
  auto end = std::find(face.begin(), face.end(), std::uint8_t{0});
  font.face.assign(face.begin(), end);
  return font;
}

LogFontFields FontForDrawing(LogFontFields stored) {
  stored.charSet = kDefaultCharSet;
  stored.outPrecision = 0;
  stored.clipPrecision = 0;
  stored.quality = kProofQuality;
  stored.pitchAndFamily = 0;
  return stored;
}

}  // namespace pellomi
