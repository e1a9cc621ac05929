// The transparent label drawn for real: pixels are read back from its parent window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "form/runtime_state.h"
#include "handles_win.h"
#include "label/label_font.h"
#include "label/label_properties.h"
#include "label/label_record.h"
#include "label/label_record_win.h"
#include "label/transparent_label_win.h"
#include "template/countdown_units.h"
#include "template/label_records.h"

namespace pellomi {
namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kParentWidth = 400, kParentHeight = 200;
constexpr RECT kLabelArea = {20, 20, 380, 140};
constexpr int kChildId = 1001;
constexpr UnitId kLabelUnit = 0x16012B12;

// ---- pixels ---------------------------------------------------------------------------------

struct Image {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  bool operator==(const Image&) const = default;
};

int R(std::uint32_t p) {
  return (p >> 16) & 0xFF;
}
int G(std::uint32_t p) {
  return (p >> 8) & 0xFF;
}
int B(std::uint32_t p) {
  return p & 0xFF;
}
bool IsGreen(std::uint32_t p) {
  return R(p) == 0 && G(p) == 160 && B(p) == 0;
}
bool IsRed(std::uint32_t p) {
  return R(p) > 180 && G(p) < 80 && B(p) < 80;
}
bool IsInk(std::uint32_t p) {
  return !IsGreen(p);
}
// Fully covered glyph pixels: their colour does not depend on what lay beneath.
bool IsPureRed(std::uint32_t p) {
  return p == 0xFF0000;
}
bool IsPureWhite(std::uint32_t p) {
  return p == 0xFFFFFF;
}
bool IsPureBlack(std::uint32_t p) {
  return p == 0x000000;
}

// A 32-bit top-down bitmap of the parent's size, selected into a memory DC.
class Canvas {
 public:
  Canvas() {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kParentWidth;
    info.bmiHeader.biHeight = -kParentHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dib_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    previous_ = SelectObject(dc_, dib_);
    ReleaseDC(nullptr, screen);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(dib_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  Image Pixels() const {
    GdiFlush();
    Image image{kParentWidth, kParentHeight, {}};
    const auto* p = static_cast<const std::uint32_t*>(bits_);
    image.pixels.assign(p, p + kParentWidth * kParentHeight);
    for (auto& px : image.pixels) px &= 0x00FFFFFF;
    return image;
  }

 private:
  HDC dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
};

Image Capture(HWND window) {
  Canvas canvas;
  HDC windowDc = GetDC(window);
  BitBlt(canvas.Dc(), 0, 0, kParentWidth, kParentHeight, windowDc, 0, 0, SRCCOPY);
  ReleaseDC(window, windowDc);
  return canvas.Pixels();
}

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
  int count = 0;
  bool Empty() const { return count == 0; }
  bool operator==(const Box& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  Box Shifted(int dx, int dy) const {
    Box b = *this;
    b.left += dx, b.right += dx, b.top += dy, b.bottom += dy;
    return b;
  }
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "[" << b.left << "," << b.top << " .. " << b.right << "," << b.bottom << " n "
            << b.count << "]";
}

template <typename Pred>
Box BoundsOf(const Image& image, Pred pred) {
  Box box;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!pred(image.At(x, y))) continue;
      ++box.count;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

// Which pixels of an image satisfy a predicate.
struct Mask {
  int width = 0, height = 0;
  std::vector<char> bits;
  bool At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    return bits[static_cast<std::size_t>(y * width + x)] != 0;
  }
  Mask Shifted(int dx, int dy) const {
    Mask m{width, height, std::vector<char>(bits.size(), 0)};
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        m.bits[static_cast<std::size_t>(y * width + x)] = At(x - dx, y - dy);
    return m;
  }
  int Count() const {
    int n = 0;
    for (char b : bits) n += b;
    return n;
  }
  bool SubsetOf(const Mask& other) const {
    for (std::size_t i = 0; i < bits.size(); ++i)
      if (bits[i] && !other.bits[i]) return false;
    return true;
  }
  bool operator==(const Mask&) const = default;
};

template <typename Pred>
Mask MaskOf(const Image& image, Pred pred) {
  Mask m{image.width, image.height, std::vector<char>(image.pixels.size(), 0)};
  for (std::size_t i = 0; i < image.pixels.size(); ++i) m.bits[i] = pred(image.pixels[i]);
  return m;
}

// Pixels that are not the parent's green and lie outside `allowed` (grown by `margin`).
int StrayPixels(const Image& image, const Box& allowed, int margin) {
  int stray = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      bool inside = !allowed.Empty() && x >= allowed.left - margin && x <= allowed.right + margin &&
                    y >= allowed.top - margin && y <= allowed.bottom + margin;
      if (!inside && !IsGreen(image.At(x, y))) ++stray;
    }
  }
  return stray;
}

// ---- records --------------------------------------------------------------------------------

std::vector<std::uint8_t> FontBlock(std::int32_t height) {
  LogFontFields font;
  font.height = height;
  font.weight = 400;
  font.face = "Tahoma";
  return EncodeLogFont(font);
}

LabelRecord TextRecord(const std::string& caption, std::int32_t effect = 0) {
  LabelRecord r;
  r.caption = caption;
  r.effect = effect;
  r.colour = kRed;
  r.horizontal = 1;
  r.vertical = 1;
  r.font = FontBlock(-48);
  return r;
}

PropertyValue TextValue(const std::string& text) {
  PropertyValue v;
  v.type = PropertyType::kText;
  v.text = text;
  return v;
}

// ---- fixture --------------------------------------------------------------------------------

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class TransparentLabelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    greenBrush_ = CreateSolidBrush(kGreen);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = greenBrush_;  // the parent erases to green
    wc.lpszClassName = L"LabelTestParent";
    RegisterClassExW(&wc);
  }
  static void TearDownTestSuite() {
    DestroyWindow(sharedParent_);
    sharedParent_ = nullptr;
    UnregisterClassW(L"LabelTestParent", GetModuleHandleW(nullptr));
    DeleteObject(greenBrush_);
  }

  void SetUp() override {
    // One parent for the suite: destroying a top-level window under Wine takes seconds.
    if (sharedParent_ == nullptr) {
      // No WS_CLIPCHILDREN: the parent paints beneath its labels, as the countdown window does.
      sharedParent_ = CreateWindowExW(0, L"LabelTestParent", L"label test", WS_POPUP | WS_VISIBLE,
                                      100, 100, kParentWidth, kParentHeight, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    }
    parent_ = sharedParent_;
    ASSERT_NE(parent_, nullptr);
    Settle();
  }
  void TearDown() override {
    while (HWND child = GetWindow(parent_, GW_CHILD)) DestroyWindow(child);
    Settle();
  }

  TransparentLabel* MakeLabel(const LabelRecord& record, RECT at = kLabelArea,
                              UnitId unit = kLabelUnit) {
    std::vector<std::uint8_t> stored = SaveLabelRecord(record);
    return MakeLabelFromBytes(stored, at, unit);
  }
  TransparentLabel* MakeLabelFromBytes(const std::vector<std::uint8_t>& stored,
                                       RECT at = kLabelArea, UnitId unit = kLabelUnit) {
    return CreateLabel(stored.data(), stored.size(), WS_VISIBLE, parent_, kChildId, at.left, at.top,
                       at.right - at.left, at.bottom - at.top, kCountdownWindowId, unit);
  }

  static void Settle() {
    MSG msg;
    for (int round = 0; round < 3; ++round) {
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      Sleep(10);
    }
  }
  // Repaints the parent and then everything inside it, and reads the result back.
  Image PaintAndCapture() {
    RedrawWindow(parent_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    return Capture(parent_);
  }
  // Reads back what the label's own updates left, without a full repaint.
  Image SettleAndCapture() {
    Settle();
    UpdateWindow(parent_);
    Settle();
    return Capture(parent_);
  }

  static HBRUSH greenBrush_;
  static HWND sharedParent_;
  HWND parent_ = nullptr;
};

HBRUSH TransparentLabelTest::greenBrush_ = nullptr;
HWND TransparentLabelTest::sharedParent_ = nullptr;

// ---- creation -------------------------------------------------------------------------------

TEST_F(TransparentLabelTest, CreatesTransparentChildWithCaptionAndControlId) {
  std::vector<std::uint8_t> stored = CountdownLabelRecordBytes();
  TransparentLabel* label = MakeLabelFromBytes(stored);
  ASSERT_NE(label, nullptr);
  HWND hwnd = label->Hwnd();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetParent(hwnd), parent_);
  EXPECT_EQ(GetDlgCtrlID(hwnd), kChildId);
  EXPECT_EQ(label->OwnerWindowId(), kCountdownWindowId);
  EXPECT_EQ(label->Id(), kLabelUnit);

  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE),
            WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE);
  EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
  EXPECT_EQ(GetClassLongPtrW(hwnd, GCL_STYLE), CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND)),
            GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetClassLongPtrW(hwnd, GCLP_HICON), 0);

  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, kLabelArea.left);
  EXPECT_EQ(r.top, kLabelArea.top);
  EXPECT_EQ(r.right, kLabelArea.right);
  EXPECT_EQ(r.bottom, kLabelArea.bottom);

  // The GBK placeholder becomes the window text through code page 936.
  wchar_t text[64] = {};
  GetWindowTextW(hwnd, text, 64);
  EXPECT_EQ(std::wstring(text), L"\u8FD8\u6709      \u5929");
  EXPECT_EQ(label->Record(), *ReadLabelRecord(stored));

  // The class is registered once; a second label uses it too.
  TransparentLabel* second = MakeLabelFromBytes(ProductLabelRecordBytes());
  ASSERT_NE(second, nullptr);
  GetWindowTextW(second->Hwnd(), text, 64);
  EXPECT_EQ(std::wstring(text), L"Pellomi");
}

TEST_F(TransparentLabelTest, MissingRecordGivesTheDefaults) {
  TransparentLabel* label = CreateLabel(nullptr, 0, WS_VISIBLE, parent_, kChildId, 0, 0, 50, 20,
                                        kCountdownWindowId, kLabelUnit);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Record(), LabelRecord{});
  wchar_t text[16] = {};
  GetWindowTextW(label->Hwnd(), text, 16);
  EXPECT_EQ(std::wstring(text), L"\u900F\u660E\u6807\u7B7E");

  std::uint8_t ignored = 2;  // a length of 0 means no record, whatever the pointer
  EXPECT_NE(CreateLabel(&ignored, 0, WS_VISIBLE, parent_, kChildId, 0, 0, 50, 20,
                        kCountdownWindowId, kLabelUnit),
            nullptr);
}

TEST_F(TransparentLabelTest, UnreadableRecordsCreateNoWindow) {
  std::vector<std::uint8_t> later = ProductLabelRecordBytes();
  later[0] = 2;  // version 2
  EXPECT_EQ(MakeLabelFromBytes(later), nullptr);

  std::vector<std::uint8_t> truncated = ProductLabelRecordBytes();
  truncated.resize(truncated.size() - 1);
  EXPECT_EQ(MakeLabelFromBytes(truncated), nullptr);

  EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr);
}

TEST_F(TransparentLabelTest, DestructionIsReportedToTheRuntime) {
  // A loaded window whose table holds the label, so the report can be seen in the runtime.
  WindowTemplate table;
  table.id = kCountdownWindowId;
  UnitRecord windowUnit;
  windowUnit.kind = UnitKind::kWindow;
  windowUnit.id = kWindowUnitId;
  UnitRecord labelUnit;
  labelUnit.kind = UnitKind::kTransparentLabel;
  labelUnit.id = kLabelUnit;
  table.units = {windowUnit, labelUnit};
  Runtime().store.Add(table);
  WindowEntry* entry = Runtime().store.Find(kCountdownWindowId);
  ASSERT_NE(entry, nullptr);
  entry->working = std::make_unique<WindowTemplate>(table);

  TransparentLabel* label = MakeLabel(TextRecord("X"));
  ASSERT_NE(label, nullptr);
  UnitRecord* record = TemplateStore::FindUnit(*entry->working, kLabelUnit);
  ASSERT_NE(record, nullptr);
  record->object = label;

  DestroyWindow(label->Hwnd());
  EXPECT_EQ(record->object, nullptr);
  EXPECT_NE(entry->working, nullptr);  // a component's end leaves the window loaded
  Runtime().store.Clear();
}

// ---- drawing --------------------------------------------------------------------------------

TEST_F(TransparentLabelTest, DrawsRedTextCenteredWithoutABox) {
  ASSERT_NE(MakeLabelFromBytes(ProductLabelRecordBytes()), nullptr);
  Image image = PaintAndCapture();
  Box red = BoundsOf(image, IsRed);
  ASSERT_GT(red.count, 100) << red;
  // Centered in the label both ways (the ink of "Pellomi" sits a little above the cell's middle).
  int labelMidX = (kLabelArea.left + kLabelArea.right) / 2;
  int labelMidY = (kLabelArea.top + kLabelArea.bottom) / 2;
  EXPECT_NEAR((red.left + red.right) / 2, labelMidX, 3) << red;
  EXPECT_NEAR((red.top + red.bottom) / 2, labelMidY, 8) << red;
  // Everything but the glyphs (and their smoothed edges) keeps the parent's green.
  EXPECT_EQ(StrayPixels(image, red, 2), 0) << red;
}

TEST_F(TransparentLabelTest, EmptyCaptionPaintsNothing) {
  TransparentLabel* label = MakeLabel(TextRecord(""));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(GetWindowTextLengthW(label->Hwnd()), 0);
  EXPECT_EQ(StrayPixels(PaintAndCapture(), Box{}, 0), 0);

  label->KindPropertyChanged(static_cast<int>(LabelProperty::kCaption), TextValue("HH"));
  EXPECT_GT(BoundsOf(SettleAndCapture(), IsRed).count, 100);
  label->KindPropertyChanged(static_cast<int>(LabelProperty::kCaption), TextValue(""));
  EXPECT_EQ(StrayPixels(SettleAndCapture(), Box{}, 0), 0);
  EXPECT_EQ(GetWindowTextLengthW(label->Hwnd()), 0);
}

// What DEFAULT_GUI_FONT makes of the text, drawn red on green at the label's place.
Mask DefaultFontReference(const wchar_t* text, UINT format) {
  Canvas canvas;
  HBRUSH green = CreateSolidBrush(kGreen);
  RECT all = {0, 0, kParentWidth, kParentHeight};
  FillRect(canvas.Dc(), &all, green);
  DeleteObject(green);
  HGDIOBJ previousFont = SelectObject(canvas.Dc(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(canvas.Dc(), TRANSPARENT);
  SetTextColor(canvas.Dc(), kRed);
  RECT area = kLabelArea;
  DrawTextW(canvas.Dc(), text, -1, &area, format);
  SelectObject(canvas.Dc(), previousFont);
  return MaskOf(canvas.Pixels(), IsInk);
}

TEST_F(TransparentLabelTest, FontBlockOfWrongLengthDrawsInTheDefaultGuiFont) {
  LabelRecord record = TextRecord("HHHH");
  record.font.clear();
  TransparentLabel* label = MakeLabel(record);
  ASSERT_NE(label, nullptr);
  Image emptyFont = PaintAndCapture();
  const Mask reference = DefaultFontReference(L"HHHH", 0x125);
  ASSERT_GT(reference.Count(), 20);
  EXPECT_EQ(MaskOf(emptyFont, IsInk), reference);

  // A 59-byte block is no font either.
  PropertyValue font;
  font.type = PropertyType::kFont;
  font.bytes = FontBlock(-48);
  font.bytes.pop_back();
  label->KindPropertyChanged(static_cast<int>(LabelProperty::kLabelFont), font);
  EXPECT_EQ(MaskOf(PaintAndCapture(), IsInk), reference);

  // The full block draws far larger.
  font.bytes = FontBlock(-48);
  label->KindPropertyChanged(static_cast<int>(LabelProperty::kLabelFont), font);
  Box small = BoundsOf(emptyFont, IsRed);
  Box large = BoundsOf(PaintAndCapture(), IsRed);
  EXPECT_GT(large.bottom - large.top, 2 * (small.bottom - small.top)) << large << small;
}

TEST_F(TransparentLabelTest, EffectCopiesSitWhereTheyShould) {
  TransparentLabel* label = MakeLabel(TextRecord("HHHH", 0));
  ASSERT_NE(label, nullptr);
  Image plainImage = PaintAndCapture();
  const Mask plain = MaskOf(plainImage, IsPureRed);
  const Box plainBox = BoundsOf(plainImage, IsPureRed);
  ASSERT_GT(plain.Count(), 100);

  auto withEffect = [&](std::int32_t effect) {
    PropertyValue v;
    v.type = PropertyType::kChoice;
    v.integer = effect;
    label->KindPropertyChanged(static_cast<int>(LabelProperty::kTextEffect), v);
    return PaintAndCapture();
  };

  // 1: white copy one pixel right and down, red text in place.
  Image light = withEffect(1);
  EXPECT_EQ(MaskOf(light, IsPureRed), plain);
  Mask white = MaskOf(light, IsPureWhite);
  EXPECT_GT(white.Count(), 20);
  EXPECT_TRUE(white.SubsetOf(plain.Shifted(1, 1)));
  EXPECT_EQ(BoundsOf(light, IsPureWhite).bottom, plainBox.bottom + 1);

  // 2: white copy in place, red text one pixel right and down.
  Image raised = withEffect(2);
  EXPECT_EQ(MaskOf(raised, IsPureRed), plain.Shifted(1, 1));
  white = MaskOf(raised, IsPureWhite);
  EXPECT_GT(white.Count(), 20);
  EXPECT_TRUE(white.SubsetOf(plain));
  EXPECT_EQ(BoundsOf(raised, IsPureWhite).top, plainBox.top);

  // 3: black shadow two pixels right and down.
  Image shadow = withEffect(3);
  EXPECT_EQ(MaskOf(shadow, IsPureRed), plain);
  Mask black = MaskOf(shadow, IsPureBlack);
  EXPECT_GT(black.Count(), 20);
  EXPECT_TRUE(black.SubsetOf(plain.Shifted(2, 2)));
  Box blackBox = BoundsOf(shadow, IsPureBlack);
  EXPECT_EQ(blackBox.right, plainBox.right + 2);
  EXPECT_EQ(blackBox.bottom, plainBox.bottom + 2);

  // A written 7 is clamped to 3; the drawing matches.
  EXPECT_EQ(withEffect(7), shadow);
  EXPECT_EQ(label->Record().effect, 3);

  // 0 again: the copies are gone.
  Image none = withEffect(0);
  EXPECT_EQ(MaskOf(none, IsPureRed), plain);
  EXPECT_EQ(MaskOf(none, IsPureWhite).Count(), 0);
  EXPECT_EQ(MaskOf(none, IsPureBlack).Count(), 0);
}

TEST_F(TransparentLabelTest, ShorterCaptionLeavesNoTraceOfTheLongerOne) {
  TransparentLabel* label = MakeLabel(TextRecord("HHHHHHHH"));
  ASSERT_NE(label, nullptr);
  Box longBox = BoundsOf(PaintAndCapture(), IsRed);

  label->KindPropertyChanged(static_cast<int>(LabelProperty::kCaption), TextValue("H"));
  Image afterWrite = SettleAndCapture();  // only the label's own refresh ran
  wchar_t text[8] = {};
  GetWindowTextW(label->Hwnd(), text, 8);
  EXPECT_EQ(std::wstring(text), L"H");

  DestroyWindow(label->Hwnd());
  ASSERT_NE(MakeLabel(TextRecord("H")), nullptr);
  Image fresh = PaintAndCapture();
  Box shortBox = BoundsOf(fresh, IsRed);
  EXPECT_LT(shortBox.right - shortBox.left, (longBox.right - longBox.left) / 4);
  // The same pixels carry ink; smoothed edges may be darker where the text was drawn twice.
  EXPECT_EQ(MaskOf(afterWrite, IsInk), MaskOf(fresh, IsInk));
}

TEST_F(TransparentLabelTest, WrappedTextStartsAtTheTopWhateverTheVerticalAlignment) {
  LabelRecord record = TextRecord("HH");
  record.vertical = 2;
  TransparentLabel* label = MakeLabel(record);
  ASSERT_NE(label, nullptr);
  Box bottom = BoundsOf(PaintAndCapture(), IsRed);
  EXPECT_GT(bottom.bottom, kLabelArea.bottom - 15) << bottom;

  PropertyValue wrap;
  wrap.type = PropertyType::kBoolean;
  wrap.integer = 1;
  label->KindPropertyChanged(static_cast<int>(LabelProperty::kWordWrap), wrap);
  Box top = BoundsOf(PaintAndCapture(), IsRed);
  EXPECT_LT(top.top, kLabelArea.top + 15) << top;
  EXPECT_EQ(top.left, bottom.left);  // still centered
}

TEST_F(TransparentLabelTest, MovingTheLabelLeavesNoTraceBehind) {
  TransparentLabel* label = MakeLabel(TextRecord("HHHH"), RECT{20, 20, 200, 100});
  ASSERT_NE(label, nullptr);
  Mask before = MaskOf(PaintAndCapture(), IsInk);
  ASSERT_GT(before.Count(), 100);
  label->MoveTo(200, 90);
  EXPECT_EQ(MaskOf(SettleAndCapture(), IsInk), before.Shifted(180, 70));

  // A short move without copied bits: the new area overlaps the old text, which must be
  // repainted from the parent before the label draws again.
  label->MoveTo(20, 20);
  PaintAndCapture();
  SetWindowPos(label->Hwnd(), nullptr, 35, 27, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  EXPECT_EQ(MaskOf(SettleAndCapture(), IsInk), before.Shifted(15, 7));
}

// The text drawn by DrawTextW in the label's Tahoma at this height, red on green, in `area`.
Mask TahomaReference(const wchar_t* text, std::int32_t height, RECT area) {
  Canvas canvas;
  HBRUSH green = CreateSolidBrush(kGreen);
  RECT all = {0, 0, kParentWidth, kParentHeight};
  FillRect(canvas.Dc(), &all, green);
  DeleteObject(green);
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = 400;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = PROOF_QUALITY;
  wcscpy(font.lfFaceName, L"Tahoma");
  const platform::UniqueFont made(CreateFontIndirectW(&font));
  HGDIOBJ previousFont = SelectObject(canvas.Dc(), made.Get());
  SetBkMode(canvas.Dc(), TRANSPARENT);
  SetTextColor(canvas.Dc(), kRed);
  DrawTextW(canvas.Dc(), text, -1, &area, 0x125);
  SelectObject(canvas.Dc(), previousFont);
  return MaskOf(canvas.Pixels(), IsInk);
}

TEST_F(TransparentLabelTest, ALineWiderThanTheShownPartShrinksThenEndsInAnEllipsis) {
  // 480 pixels wide, 40 of them hidden on either side: 400 show, as on the title line.
  constexpr RECT kWide = {-40, 20, 440, 140};
  const struct {
    std::size_t letters;
    int minInkHeight, maxInkHeight;  // of the capital H, 34 pixels high at full size
  } cases[] = {{4, 34, 34}, {30, 12, 30}, {200, 8, 9}};
  for (const auto& c : cases) {
    const std::wstring text(c.letters, L'H');
    TransparentLabel* label = MakeLabel(TextRecord(std::string(c.letters, 'H')), kWide);
    ASSERT_NE(label, nullptr);
    const Image image = PaintAndCapture();
    const Box red = BoundsOf(image, IsRed);
    const int inkHeight = red.bottom - red.top + 1;
    EXPECT_GE(inkHeight, c.minInkHeight) << c.letters << " " << red;
    EXPECT_LE(inkHeight, c.maxInkHeight) << c.letters << " " << red;
    // Whole inside the parent, centred, and filling most of the line once it had to shrink.
    EXPECT_GT(red.left, 0) << red;
    EXPECT_LT(red.right, kParentWidth - 1) << red;
    EXPECT_NEAR((red.left + red.right) / 2, kParentWidth / 2, 3) << red;
    if (c.letters == 4) {
      // A line that fits is drawn exactly as before, in the full-size font.
      EXPECT_EQ(MaskOf(image, IsInk), TahomaReference(text.c_str(), -48, kWide));
    } else {
      EXPECT_GT(red.right - red.left, 340) << c.letters << " " << red;
    }
    if (c.letters == 200) {
      // Cut short: the line ends in the ellipsis's dots, not in the stem of an H.
      int inkInLastColumn = 0;
      for (int y = 0; y < image.height; ++y) inkInLastColumn += IsRed(image.At(red.right, y));
      EXPECT_LE(inkInLastColumn, 2) << "no ellipsis at the end";
    }
    DestroyWindow(label->Hwnd());
    Settle();
  }
}

TEST_F(TransparentLabelTest, RepeatedPaintsKeepNoFonts) {
  using Fonts = platform::CensusOf<platform::UniqueFont>;
  // Counted before the label exists: a font held between paints would show up too.
  const long fontsBefore = Fonts::live;
  const long madeBefore = Fonts::acquired;
  TransparentLabel* label = MakeLabel(TextRecord("HHHH"));
  ASSERT_NE(label, nullptr);
  for (int i = 0; i < 1000; ++i) {
    InvalidateRect(label->Hwnd(), nullptr, FALSE);
    UpdateWindow(label->Hwnd());
  }
  EXPECT_EQ(Fonts::live, fontsBefore);
  // Every paint made its font and deleted it again.
  EXPECT_GE(Fonts::acquired, madeBefore + 1000);
  EXPECT_EQ(GetObjectType(Fonts::last), 0u) << "the last paint's font still exists";
  EXPECT_GT(BoundsOf(PaintAndCapture(), IsRed).count, 100);
}

// ---- stored form ----------------------------------------------------------------------------

TEST(LabelRecordGlobalBlock, HoldsExactlyTheStoredBytes) {
  LabelRecord record = *ReadLabelRecord(CountdownLabelRecordBytes());
  std::size_t length = 0;
  const platform::UniqueGlobal owner = SaveLabelRecordToGlobal(record, &length);
  ASSERT_TRUE(owner);
  HGLOBAL block = owner.Get();
  EXPECT_EQ(length, CountdownLabelRecordBytes().size());
  EXPECT_EQ(GlobalSize(block), length);
  const auto* data = static_cast<const std::uint8_t*>(GlobalLock(block));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::vector<std::uint8_t>(data, data + length), CountdownLabelRecordBytes());
  GlobalUnlock(block);
}

}  // namespace
}  // namespace pellomi
