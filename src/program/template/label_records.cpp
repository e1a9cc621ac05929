#include "template/label_records.h"

#include <string>

#include "label/label_font.h"
#include "label/label_record.h"

namespace pellomi {
namespace {

constexpr char kYaHeiFace[] = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";           // 微软雅黑
constexpr char kCountdownPlaceholder[] = "\xBB\xB9\xD3\xD0      \xCC\xEC";  // 还有      天
constexpr char kProductName[] = "Pellomi";
constexpr std::uint32_t kRed = 0x000000FF;

std::vector<std::uint8_t> TemplateLabelBytes(std::int32_t fontHeight, const char* caption) {
  LogFontFields font;
  font.height = fontHeight;
  font.weight = kNormalWeight;
  font.charSet = kGb2312CharSet;
  font.outPrecision = kStrokeOutPrecision;
  font.clipPrecision = kStrokeClipPrecision;
  font.quality = kDraftQuality;
  font.pitchAndFamily = kVariablePitchSwiss;
  font.face = kYaHeiFace;

  LabelRecord record;
  record.effect = 0;
  record.colour = kRed;
  record.horizontal = 1;
  record.vertical = 1;
  record.wordWrap = 0;
  record.font = EncodeLogFont(font);
  record.caption = caption;
  return SaveLabelRecord(record);
}

}  // namespace

std::vector<std::uint8_t> CountdownLabelRecordBytes() {
  return TemplateLabelBytes(-48, kCountdownPlaceholder);
}

std::vector<std::uint8_t> ProductLabelRecordBytes() {
  return TemplateLabelBytes(-29, kProductName);
}

}  // namespace pellomi
