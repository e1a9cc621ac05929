#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "label/label_font.h"
#include "label/label_record.h"
#include "template/label_records.h"

namespace pellomi {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU32(Bytes& out, std::uint32_t v) {
  for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

// A stored record built by hand, field by field, in stored order.
Bytes StoredRecord(std::uint32_t version, std::int32_t fontLength, const Bytes& font,
                   std::int32_t captionLength, const Bytes& caption) {
  Bytes out;
  PutU32(out, version);
  PutU32(out, 3);           // effect
  PutU32(out, 0x00123456);  // colour
  PutU32(out, 2);           // horizontal
  PutU32(out, 0);           // vertical
  PutU32(out, 1);           // word wrap
  PutU32(out, static_cast<std::uint32_t>(fontLength));
  out.insert(out.end(), font.begin(), font.end());
  PutU32(out, static_cast<std::uint32_t>(captionLength));
  out.insert(out.end(), caption.begin(), caption.end());
  return out;
}

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

const Bytes kAbc = {'a', 'b', 'c'};

TEST(LabelRecord, DefaultsBeforeAnyRecordIsRead) {
  LabelRecord r;
  EXPECT_EQ(r.caption, "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9");  // 透明标签
  EXPECT_EQ(r.effect, 0);
  EXPECT_TRUE(r.font.empty());
  EXPECT_EQ(r.colour, 0u);
  EXPECT_EQ(r.horizontal, 0);
  EXPECT_EQ(r.wordWrap, 0);
  EXPECT_EQ(r.vertical, 1);
}

TEST(LabelRecord, ReadsFieldsInStoredOrderWithVerticalBeforeWrap) {
  Bytes font(60, 7);
  auto r = ReadLabelRecord(StoredRecord(1, 60, font, 3, kAbc));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->effect, 3);
  EXPECT_EQ(r->colour, 0x00123456u);
  EXPECT_EQ(r->horizontal, 2);
  EXPECT_EQ(r->vertical, 0);
  EXPECT_EQ(r->wordWrap, 1);
  EXPECT_EQ(r->font, font);
  EXPECT_EQ(r->caption, "abc");
}

TEST(LabelRecord, VersionZeroAndOneReadLaterVersionsRejected) {
  EXPECT_TRUE(ReadLabelRecord(StoredRecord(0, 0, {}, 3, kAbc)).has_value());
  EXPECT_TRUE(ReadLabelRecord(StoredRecord(1, 0, {}, 3, kAbc)).has_value());
  EXPECT_FALSE(ReadLabelRecord(StoredRecord(2, 0, {}, 3, kAbc)).has_value());
  EXPECT_FALSE(ReadLabelRecord(StoredRecord(0x80000000u, 0, {}, 3, kAbc)).has_value());
}

TEST(LabelRecord, LengthsOfZeroOrLessReadAsEmpty) {
  // A negative font length takes no bytes: the caption length follows at once.
  auto r = ReadLabelRecord(StoredRecord(1, -5, {}, 3, kAbc));
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(r->font.empty());
  EXPECT_EQ(r->caption, "abc");

  r = ReadLabelRecord(StoredRecord(1, 0, {}, -1, {}));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->caption, "");
  r = ReadLabelRecord(StoredRecord(1, 0, {}, 0, {}));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->caption, "");
}

TEST(LabelRecord, CaptionEndsAtAnEmbeddedZero) {
  auto r = ReadLabelRecord(StoredRecord(1, 0, {}, 5, {'P', 'e', 0, 'x', 'y'}));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->caption, "Pe");
}

TEST(LabelRecord, FontBlockOfAnyLengthIsKeptAsStored) {
  Bytes odd(59, 1);
  auto r = ReadLabelRecord(StoredRecord(1, 59, odd, 3, kAbc));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->font, odd);
  EXPECT_EQ(r->caption, "abc");
}

TEST(LabelRecord, EveryTruncationIsRejected) {
  Bytes full = StoredRecord(1, 60, Bytes(60, 9), 3, kAbc);
  ASSERT_TRUE(ReadLabelRecord(full).has_value());
  for (std::size_t size = 0; size < full.size(); ++size) {
    // A copy of exactly `size` bytes, so ASan sees any read past it.
    Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(ReadLabelRecord(cut).has_value()) << "size " << size;
  }
}

TEST(LabelRecord, LengthsRunningPastTheEndAreRejected) {
  EXPECT_FALSE(ReadLabelRecord(StoredRecord(1, 61, Bytes(60, 0), 3, kAbc)).has_value());
  EXPECT_FALSE(ReadLabelRecord(StoredRecord(1, 0x7FFFFFFF, {}, 3, kAbc)).has_value());
  EXPECT_FALSE(ReadLabelRecord(StoredRecord(1, 0, {}, 4, kAbc)).has_value());
  EXPECT_FALSE(ReadLabelRecord(StoredRecord(1, 0, {}, 0x7FFFFFFF, kAbc)).has_value());
}

TEST(LabelRecord, BytesAfterTheCaptionAreIgnored) {
  Bytes stored = StoredRecord(1, 0, {}, 3, kAbc);
  stored.push_back(0xEE);
  auto r = ReadLabelRecord(stored);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->caption, "abc");
}

TEST(LabelRecord, SaveWritesVersionOneInStoredOrder) {
  LabelRecord r;
  r.effect = 2;
  r.colour = 0x00AABBCC;
  r.horizontal = 1;
  r.vertical = 2;
  r.wordWrap = 5;
  r.font = Bytes(60, 4);
  r.caption = "xy";
  Bytes saved = SaveLabelRecord(r);
  ASSERT_EQ(saved.size(), 28u + 60u + 4u + 2u);
  EXPECT_EQ(U32At(saved, 0), 1u);
  EXPECT_EQ(U32At(saved, 4), 2u);
  EXPECT_EQ(U32At(saved, 8), 0x00AABBCCu);
  EXPECT_EQ(U32At(saved, 12), 1u);
  EXPECT_EQ(U32At(saved, 16), 2u);  // vertical before word wrap
  EXPECT_EQ(U32At(saved, 20), 5u);
  EXPECT_EQ(U32At(saved, 24), 60u);
  EXPECT_EQ(U32At(saved, 88), 2u);
  EXPECT_EQ(saved[92], 'x');
  EXPECT_EQ(saved[93], 'y');

  auto back = ReadLabelRecord(saved);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, r);
}

// The countdown window's template records, checked byte by byte at their stored offsets.
void ExpectTemplateRecord(const Bytes& b, std::uint32_t height, const Bytes& caption) {
  ASSERT_EQ(b.size(), 92u + caption.size());
  EXPECT_EQ(U32At(b, 0), 1u);           // version
  EXPECT_EQ(U32At(b, 4), 0u);           // effect
  EXPECT_EQ(U32At(b, 8), 0x000000FFu);  // red
  EXPECT_EQ(U32At(b, 12), 1u);          // center
  EXPECT_EQ(U32At(b, 16), 1u);          // middle
  EXPECT_EQ(U32At(b, 20), 0u);          // no wrap
  EXPECT_EQ(U32At(b, 24), 60u);
  const std::size_t f = 28;
  EXPECT_EQ(U32At(b, f + 0), height);
  EXPECT_EQ(U32At(b, f + 4), 0u);
  EXPECT_EQ(U32At(b, f + 8), 0u);
  EXPECT_EQ(U32At(b, f + 12), 0u);
  EXPECT_EQ(U32At(b, f + 16), 400u);
  const Bytes tail = {0, 0, 0, 134, 3, 2, 1, 0x22};
  EXPECT_EQ(Bytes(b.begin() + f + 20, b.begin() + f + 28), tail);
  Bytes face = {0xCE, 0xA2, 0xC8, 0xED, 0xD1, 0xC5, 0xBA, 0xDA};  // 微软雅黑
  face.resize(32, 0);
  EXPECT_EQ(Bytes(b.begin() + f + 28, b.begin() + f + 60), face);
  EXPECT_EQ(U32At(b, 88), caption.size());
  EXPECT_EQ(Bytes(b.begin() + 92, b.end()), caption);
}

TEST(LabelTemplateRecords, CountdownLabelBytes) {
  Bytes caption = {0xBB, 0xB9, 0xD3, 0xD0, ' ', ' ', ' ', ' ', ' ', ' ', 0xCC, 0xEC};
  ExpectTemplateRecord(CountdownLabelRecordBytes(), static_cast<std::uint32_t>(-48), caption);
}

TEST(LabelTemplateRecords, ProductLabelBytes) {
  ExpectTemplateRecord(ProductLabelRecordBytes(), static_cast<std::uint32_t>(-29),
                       {'P', 'e', 'l', 'l', 'o', 'm', 'i'});
}

TEST(LabelTemplateRecords, ReadSaveReadGivesEqualRecordsAndBytes) {
  for (const Bytes& stored : {CountdownLabelRecordBytes(), ProductLabelRecordBytes()}) {
    auto first = ReadLabelRecord(stored);
    ASSERT_TRUE(first.has_value());
    Bytes saved = SaveLabelRecord(*first);
    EXPECT_EQ(saved, stored);
    auto second = ReadLabelRecord(saved);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(*second, *first);
  }
}

TEST(LabelFont, DecodesTheTemplateFontAndReplacesDrawingFields) {
  auto record = ReadLabelRecord(CountdownLabelRecordBytes());
  ASSERT_TRUE(record.has_value());
  auto font = DecodeLogFont(record->font);
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(font->height, -48);
  EXPECT_EQ(font->weight, 400);
  EXPECT_EQ(font->charSet, 134);
  EXPECT_EQ(font->pitchAndFamily, 0x22);
  EXPECT_EQ(font->face, "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA");

  LogFontFields drawn = FontForDrawing(*font);
  EXPECT_EQ(drawn.charSet, 1);
  EXPECT_EQ(drawn.outPrecision, 0);
  EXPECT_EQ(drawn.clipPrecision, 0);
  EXPECT_EQ(drawn.quality, 2);
  EXPECT_EQ(drawn.pitchAndFamily, 0);
  EXPECT_EQ(drawn.height, -48);
  EXPECT_EQ(drawn.face, font->face);
}

TEST(LabelFont, OnlySixtyByteBlocksDecode) {
  EXPECT_FALSE(DecodeLogFont(Bytes{}).has_value());
  EXPECT_FALSE(DecodeLogFont(Bytes(59, 0)).has_value());
  EXPECT_FALSE(DecodeLogFont(Bytes(61, 0)).has_value());
}

TEST(LabelFont, FaceEndsAtZeroOrFieldEndAndGarbageAfterIsIgnored) {
  Bytes block(60, 0);
  const char name[] = "Arial";
  std::copy(name, name + 5, block.begin() + 28);
  block[28 + 6] = 'Z';  // after the terminator: meaningless
  EXPECT_EQ(DecodeLogFont(block)->face, "Arial");

  std::fill(block.begin() + 28, block.end(), 'Q');  // no terminator at all
  EXPECT_EQ(DecodeLogFont(block)->face, std::string(32, 'Q'));

  LogFontFields tooLong;
  tooLong.face = std::string(40, 'W');
  Bytes encoded = EncodeLogFont(tooLong);
  ASSERT_EQ(encoded.size(), 60u);
  EXPECT_EQ(encoded[59], 0);  // the stored face stays terminated
  EXPECT_EQ(DecodeLogFont(encoded)->face, std::string(31, 'W'));
}

}  // namespace
}  // namespace pellomi
