// The ICO reader: which entry it picks, the size it asks for, and that no malformed file makes it
// read outside the data it was given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "tray/ico_reader.h"
#include "tray/small_icon_size.h"

namespace pellomi {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& out, std::size_t at, std::uint16_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(Bytes& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint16_t GetU16(const Bytes& in, std::size_t at) {
  return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

std::uint32_t GetU32(const Bytes& in, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | in[at + i];
  return v;
}

struct Entry {
  std::uint8_t width;
  std::uint8_t colours;
  std::uint16_t bitCount;
  std::int32_t headerHeight = -1;  // -1: twice the width
  bool png = false;                // the image is a PNG file rather than a bitmap
};

// A file with one small image per entry; each image is a bitmap header plus a few bytes, and its
// first pixel byte is the entry's index so the tests can tell which image was chosen.
Bytes MakeIco(const std::vector<Entry>& entries, std::uint16_t type = 1) {
  const std::size_t imageSize = 48;
  Bytes out(6 + 16 * entries.size() + imageSize * entries.size());
  PutU16(out, 2, type);
  PutU16(out, 4, static_cast<std::uint16_t>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    const std::size_t dir = 6 + 16 * i;
    const std::size_t offset = 6 + 16 * entries.size() + imageSize * i;
    out[dir] = e.width;
    out[dir + 1] = e.width;
    out[dir + 2] = e.colours;
    PutU16(out, dir + 4, 1);
    PutU16(out, dir + 6, e.bitCount);
    PutU32(out, dir + 8, imageSize);
    PutU32(out, dir + 12, static_cast<std::uint32_t>(offset));
    const int width = e.width == 0 ? 256 : e.width;
    out[offset + 40] = static_cast<std::uint8_t>(i);
    if (e.png) {
      const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
      std::copy(std::begin(signature), std::end(signature), out.begin() + offset);
      continue;
    }
    PutU32(out, offset, 40);
    PutU32(out, offset + 4, static_cast<std::uint32_t>(width));
    PutU32(out, offset + 8,
           static_cast<std::uint32_t>(e.headerHeight == -1 ? 2 * width : e.headerHeight));
    PutU16(out, offset + 12, 1);
    PutU16(out, offset + 14, e.bitCount);
  }
  return out;
}

int ChosenIndex(const IcoImagePlan& plan) {
  return plan.image[40];
}

// The entry nearest the wanted size among those of 16 colours or more, where a stored count of 0
// means 256 or more (true colour); ties go to the larger; no qualifying entry gives the last.
TEST(IcoReaderChoice, NearestQualifyingEntryToTheWantedSize) {
  const std::vector<Entry> trueColour = {{16, 0, 32}, {32, 0, 32}, {48, 0, 32}};
  const std::vector<Entry> withPng = {{16, 0, 32}, {24, 0, 32}, {0, 0, 32, -1, true}};
  struct Case {
    std::vector<Entry> entries;
    int wanted;
    int index;  // expected entry
    std::int32_t cx;
    std::uint16_t bitCount;
    bool png;
  };
  const Case cases[] = {
      {trueColour, 16, 0, 16, 32, false},
      {trueColour, 32, 1, 32, 32, false},
      {trueColour, 48, 2, 48, 32, false},
      {trueColour, 20, 0, 16, 32, false},
      {trueColour, 24, 1, 32, 32, false},  // halfway: the larger
      {trueColour, 40, 2, 48, 32, false},
      {trueColour, 256, 2, 48, 32, false},
      {withPng, 20, 1, 24, 32, false},
      {withPng, 256, 2, 256, 32, true},  // stored as 0: 256 pixels, kept as PNG
      {withPng, 200, 2, 256, 32, true},
      {{{32, 16, 4}, {16, 16, 4}}, 16, 1, 16, 4, false},
      {{{32, 16, 4}, {16, 16, 4}}, 32, 0, 32, 4, false},
      {{{16, 16, 4}, {16, 0, 32}}, 16, 0, 16, 4, false},               // of equal widths, the first
      {{{16, 15, 4}, {32, 2, 1}, {48, 0, 32}}, 16, 2, 48, 32, false},  // too few colours
      {{{16, 15, 4}, {32, 2, 1}}, 16, 1, 32, 1, false},                // none qualifies: the last
  };
  for (const Case& c : cases) {
    const Bytes ico = MakeIco(c.entries);
    const auto plan = PlanIconFromIco(ico.data(), ico.size(), c.wanted);
    ASSERT_TRUE(plan.has_value()) << c.wanted;
    EXPECT_EQ(ChosenIndex(*plan), c.index) << c.wanted << " of " << c.entries.size();
    EXPECT_EQ(plan->cx, c.cx) << c.wanted;
    EXPECT_EQ(plan->cy, c.cx) << c.wanted;
    EXPECT_EQ(plan->bitCount, c.bitCount) << c.wanted;
    EXPECT_EQ(plan->png, c.png) << c.wanted;
  }
}

TEST(IcoReaderChoice, ScanStopsAtTheMatchEvenIfLaterEntriesAreMissing) {
  Bytes ico = MakeIco({{16, 16, 4}});
  PutU16(ico, 4, 5);  // claims five entries; only the first is there
  const auto plan = PlanIconFromIco(ico.data(), ico.size(), 16);
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(ChosenIndex(*plan), 0);
  // Without an exact match the scan goes on and runs into the missing entries.
  EXPECT_FALSE(PlanIconFromIco(ico.data(), ico.size(), 32).has_value());
}

TEST(IcoReaderSize, SpanAndRequestedSizeComeFromTheImage) {
  Bytes ico = MakeIco({{32, 0, 32, 65}});
  const auto plan = PlanIconFromIco(ico.data(), ico.size(), 16);
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(plan->image, ico.data() + GetU32(ico, 18));
  EXPECT_EQ(plan->size, GetU32(ico, 14));
  EXPECT_EQ(plan->cx, 32);
  EXPECT_EQ(plan->cy, 32);  // 65 / 2, truncated
}

TEST(IcoReaderSize, CursorFilesAreReadLikeIcons) {
  const Bytes cur = MakeIco({{32, 0, 32}}, 2);
  EXPECT_TRUE(PlanIconFromIco(cur.data(), cur.size(), 16).has_value());
}

TEST(IcoReaderMalformed, BadHeadersGiveNothing) {
  const Bytes good = MakeIco({{16, 0, 32}});
  EXPECT_FALSE(PlanIconFromIco(nullptr, 100, 16).has_value());
  EXPECT_FALSE(PlanIconFromIco(good.data(), 0, 16).has_value());

  Bytes reserved = good;
  PutU16(reserved, 0, 1);
  EXPECT_FALSE(PlanIconFromIco(reserved.data(), reserved.size(), 16).has_value());

  for (std::uint16_t type : {0, 3, 0xFFFF}) {
    Bytes bad = good;
    PutU16(bad, 2, type);
    EXPECT_FALSE(PlanIconFromIco(bad.data(), bad.size(), 16).has_value()) << type;
  }

  Bytes none = good;
  PutU16(none, 4, 0);
  EXPECT_FALSE(PlanIconFromIco(none.data(), none.size(), 16).has_value());
}

TEST(IcoReaderMalformed, ImagesOutsideTheDataGiveNothing) {
  const Bytes good = MakeIco({{16, 0, 32}});
  const auto setImage = [&](std::uint32_t size, std::uint32_t offset) {
    Bytes bad = good;
    PutU32(bad, 14, size);
    PutU32(bad, 18, offset);
    return bad;
  };
  const auto size = static_cast<std::uint32_t>(good.size());
  const Bytes cases[] = {
      setImage(48, size),           // offset at the end
      setImage(48, size + 100),     // offset past the end
      setImage(49, size - 48),      // one byte too long
      setImage(0xFFFFFFF0u, 22),    // absurd size
      setImage(0x20, 0xFFFFFFF0u),  // offset + size wraps around 32 bits
      setImage(0xFFFFFFFFu, 0xFFFFFFFFu),
      setImage(39, 22),  // shorter than a bitmap header
      setImage(0, 22),
  };
  for (const Bytes& bad : cases) {
    EXPECT_FALSE(PlanIconFromIco(bad.data(), bad.size(), 16).has_value())
        << "size " << GetU32(bad, 14) << " offset " << GetU32(bad, 18);
  }
}

TEST(IcoReaderMalformed, HeadersWithoutAHeightGiveNothing) {
  for (std::int32_t height : {0, -32, INT32_MIN}) {
    const Bytes ico = MakeIco({{16, 0, 32, height}});
    EXPECT_FALSE(PlanIconFromIco(ico.data(), ico.size(), 16).has_value()) << height;
  }
  Bytes negativeWidth = MakeIco({{16, 0, 32}});
  PutU32(negativeWidth, 26, 0xFFFFFFF0u);
  EXPECT_FALSE(PlanIconFromIco(negativeWidth.data(), negativeWidth.size(), 16).has_value());
}

// Every prefix of a valid file lives in a buffer of exactly its own size, so the sanitizer sees
// any read past the end.
TEST(IcoReaderMalformed, EveryTruncationIsSafe) {
  const Bytes full = MakeIco({{32, 16, 4}, {16, 16, 4}, {48, 0, 32}});
  for (std::size_t length = 0; length < full.size(); ++length) {
    const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
    for (int wanted : {16, 32}) {
      const auto plan = PlanIconFromIco(cut.data(), cut.size(), wanted);
      if (plan) {
        EXPECT_GE(plan->image, cut.data());
        EXPECT_LE(plan->image + plan->size, cut.data() + cut.size());
      }
    }
  }
  // The directory alone (no images) gives nothing.
  const Bytes directoryOnly(full.begin(), full.begin() + 6 + 3 * 16);
  EXPECT_FALSE(PlanIconFromIco(directoryOnly.data(), directoryOnly.size(), 16).has_value());
}

Bytes ReadEmbeddedIcon() {
  std::ifstream in(PELLOMI_SOURCE_DIR "/assets/hourglass.ico", std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The shell's small-icon sizes (100 % to 300 %), then the 256-pixel picture the program keeps.
constexpr int kEmbeddedWidths[] = {16, 20, 24, 32, 40, 48, 256};
constexpr std::size_t kEmbeddedCount = std::size(kEmbeddedWidths);

std::uint32_t BitmapImageSize(std::uint32_t width) {
  const std::uint32_t maskRow = (width + 31) / 32 * 4;
  return 40 + width * width * 4 + maskRow * width;
}

TEST(EmbeddedIcon, HasTheStoredLayout) {
  const Bytes ico = ReadEmbeddedIcon();
  ASSERT_EQ(ico.size(), 296446u);
  EXPECT_EQ(GetU16(ico, 0), 0);
  EXPECT_EQ(GetU16(ico, 2), 1);
  ASSERT_EQ(GetU16(ico, 4), kEmbeddedCount);
  std::uint32_t offset = 6 + 16 * kEmbeddedCount;
  for (std::size_t i = 0; i < kEmbeddedCount; ++i) {
    const auto width = static_cast<std::uint32_t>(kEmbeddedWidths[i]);
    const std::size_t dir = 6 + 16 * i;
    // Directory entry: 256 is stored as 0; true colour, no palette.
    EXPECT_EQ(ico[dir], width % 256) << width;
    EXPECT_EQ(ico[dir + 1], width % 256) << width;
    EXPECT_EQ(ico[dir + 2], 0) << width;
    EXPECT_EQ(ico[dir + 3], 0) << width;
    EXPECT_EQ(GetU16(ico, dir + 4), 1) << width;
    EXPECT_EQ(GetU16(ico, dir + 6), 32) << width;
    EXPECT_EQ(GetU32(ico, dir + 8), BitmapImageSize(width)) << width;
    EXPECT_EQ(GetU32(ico, dir + 12), offset) << width;
    // Bitmap header: a 32-bit BI_RGB image and its mask, no PNG.
    EXPECT_EQ(GetU32(ico, offset), 40u) << width;
    EXPECT_EQ(GetU32(ico, offset + 4), width);
    EXPECT_EQ(GetU32(ico, offset + 8), 2 * width);
    EXPECT_EQ(GetU16(ico, offset + 12), 1) << width;
    EXPECT_EQ(GetU16(ico, offset + 14), 32) << width;
    EXPECT_EQ(GetU32(ico, offset + 16), 0u) << width;
    EXPECT_EQ(GetU32(ico, offset + 20), width * width * 4) << width;
    for (std::size_t at = offset + 24; at < offset + 40; at += 4) EXPECT_EQ(GetU32(ico, at), 0u);

    const auto plan = PlanIconFromIco(ico.data(), ico.size(), static_cast<int>(width));
    ASSERT_TRUE(plan.has_value()) << width;
    EXPECT_EQ(plan->image, ico.data() + offset);
    EXPECT_EQ(plan->cx, static_cast<std::int32_t>(width));
    EXPECT_EQ(plan->cy, static_cast<std::int32_t>(width));
    EXPECT_EQ(plan->bitCount, 32);
    offset += BitmapImageSize(width);
  }
  EXPECT_EQ(BitmapImageSize(256), 270376u);  // the program's picture, unchanged
  EXPECT_EQ(offset, ico.size());
}

TEST(EmbeddedIcon, PixelsAreTransparentAroundAPictureAndTheMaskAgrees) {
  const Bytes ico = ReadEmbeddedIcon();
  ASSERT_EQ(ico.size(), 296446u);
  for (std::size_t i = 0; i < kEmbeddedCount; ++i) {
    const int size = kEmbeddedWidths[i];
    const std::size_t pixels = GetU32(ico, 6 + 16 * i + 12) + 40;
    const std::size_t mask = pixels + static_cast<std::size_t>(size * size * 4);
    const std::size_t maskRow = static_cast<std::size_t>((size + 31) / 32 * 4);
    const auto alpha = [&](int x, int row) { return ico[pixels + (row * size + x) * 4 + 3]; };
    const auto maskBit = [&](int x, int row) {
      return (ico[mask + row * maskRow + x / 8] >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ(alpha(0, 0), 0) << size;
    EXPECT_EQ(alpha(size - 1, 0), 0) << size;
    EXPECT_EQ(alpha(0, size - 1), 0) << size;
    EXPECT_EQ(alpha(size - 1, size - 1), 0) << size;
    int opaque = 0;
    int maskMismatches = 0;
    for (int row = 0; row < size; ++row) {
      for (int x = 0; x < size; ++x) {
        if (alpha(x, row) == 255) ++opaque;
        if (maskBit(x, row) != (alpha(x, row) == 0 ? 1 : 0)) ++maskMismatches;
      }
    }
    EXPECT_GT(opaque, size * size / 10) << size;  // a real picture, not a speck
    EXPECT_LT(opaque, size * size * 9 / 10) << size;
    EXPECT_EQ(maskMismatches, 0) << size;
  }
}

// What the tray hands the shell: the small-icon size the system reports at its DPI, scaled to the
// window's DPI, then the embedded entry nearest it.
TEST(EmbeddedIcon, TrayGetsTheEntryNearestTheSmallIconSize) {
  struct Case {
    int systemSize;
    std::uint32_t systemDpi;
    std::uint32_t windowDpi;
    int size;   // wanted
    int entry;  // width of the entry chosen
  };
  const Case cases[] = {
      {16, 96, 96, 16, 16},  {20, 120, 120, 20, 20}, {24, 144, 144, 24, 24},
      {16, 96, 120, 20, 20}, {16, 96, 144, 24, 24},  {16, 96, 168, 28, 32},  // tie: larger
      {16, 96, 192, 32, 32}, {16, 96, 240, 40, 40},  {16, 96, 288, 48, 48},
      {24, 144, 96, 16, 16}, {32, 192, 120, 20, 20}, {16, 96, 480, 80, 48},
      {16, 0, 144, 16, 16},  {0, 96, 96, 16, 16},  // the system gives nothing: 16 as at 96
  };
  const Bytes ico = ReadEmbeddedIcon();
  for (const Case& c : cases) {
    const int size = ScaledSmallIconSize(c.systemSize, c.systemDpi, c.windowDpi);
    EXPECT_EQ(size, c.size) << c.systemSize << " at " << c.systemDpi << " to " << c.windowDpi;
    const auto plan = PlanIconFromIco(ico.data(), ico.size(), size);
    ASSERT_TRUE(plan.has_value());
    EXPECT_EQ(plan->cx, c.entry) << size;
  }
}

}  // namespace
}  // namespace pellomi
