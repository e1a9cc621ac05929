#include "label/label_font.h"

#include <algorithm>

#include "form/byte_io.h"
#include "form/display_scale.h"

namespace pellomi {
std::vector<std::uint8_t> EncodeLogFont(const LogFontFields& font) {
  ByteWriter out;
  for (std::int32_t v : {font.height, font.width, font.escapement, font.orientation, font.weight}) {
    out.I32(v);
  }
  for (std::uint8_t b :
       {font.italic, font.underline, font.strikeOut, font.charSet, font.outPrecision,
        font.clipPrecision, font.quality, font.pitchAndFamily}) {
    out.U8(b);
  }
  std::size_t faceLength = std::min(font.face.size(), kLogFontFaceSize - 1);
  out.Raw(font.face.substr(0, faceLength));
  std::vector<std::uint8_t> bytes = out.Take();
  bytes.resize(kLogFontSize, 0);
  return bytes;
}

std::optional<LogFontFields> DecodeLogFont(std::span<const std::uint8_t> block) {
  if (block.size() != kLogFontSize) return std::nullopt;
  ByteReader in(block);
  LogFontFields font;
  font.height = in.I32();
  font.width = in.I32();
  font.escapement = in.I32();
  font.orientation = in.I32();
  font.weight = in.I32();
  font.italic = in.U8();
  font.underline = in.U8();
  font.strikeOut = in.U8();
  font.charSet = in.U8();
  font.outPrecision = in.U8();
  font.clipPrecision = in.U8();
  font.quality = in.U8();
  font.pitchAndFamily = in.U8();
  std::span<const std::uint8_t> face = in.Block(kLogFontFaceSize);
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

LogFontFields FontForDpi(LogFontFields stored, std::uint32_t dpi) {
  stored.height = ScaleToDpi(stored.height, dpi);
  stored.width = ScaleToDpi(stored.width, dpi);
  return stored;
}

}  // namespace pellomi
