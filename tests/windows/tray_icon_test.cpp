// The tray icon against the window system: icons made from ICO bytes, the records handed to the
// shell, the re-add after the notification area returns, and the message-box command.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "handles_win.h"
#include "message_box/message_box_win.h"
#include "template/embedded_icon.h"
#include "tray/icon_from_ico_win.h"
#include "tray/set_tray_icon_win.h"
#include "tray/tray_icon_win.h"
#include "tray_icon/exit_confirmation.h"
#include "values/typed_value.h"

namespace pellomi {
namespace {

using Icons = platform::CensusOf<platform::UniqueIcon>;
using platform::UniqueIcon;

struct IconSize {
  long width = 0;
  long height = 0;
};

IconSize SizeOf(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  BITMAP bitmap{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, bitmap.bmHeight};
}

UniqueIcon EmbeddedIcon() {
  return IconFromIcoBytes(kHourglassIco, kHourglassIco_size, 256);
}

// A true-colour ICO with square entries of the given widths.
std::vector<unsigned char> MakeTrueColourIco(const std::vector<int>& widths) {
  std::vector<unsigned char> out(6 + 16 * widths.size());
  const auto put16 = [&](std::size_t at, unsigned v) {
    out[at] = static_cast<unsigned char>(v);
    out[at + 1] = static_cast<unsigned char>(v >> 8);
  };
  const auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<unsigned char>(v >> (8 * i));
  };
  put16(2, 1);
  put16(4, static_cast<unsigned>(widths.size()));
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const auto w = static_cast<std::uint32_t>(widths[i]);
    const std::uint32_t maskRow = ((w + 31) / 32) * 4;
    const std::uint32_t size = 40 + w * w * 4 + maskRow * w;
    const auto offset = static_cast<std::uint32_t>(out.size());
    const std::size_t dir = 6 + 16 * i;
    out[dir] = out[dir + 1] = static_cast<unsigned char>(w);
    put16(dir + 4, 1);
    put16(dir + 6, 32);
    put32(dir + 8, size);
    put32(dir + 12, offset);
    out.resize(out.size() + size, 0);
    put32(offset, 40);
    put32(offset + 4, w);
    put32(offset + 8, 2 * w);
    put16(offset + 12, 1);
    put16(offset + 14, 32);
    for (std::uint32_t p = 0; p < w * w; ++p) put32(offset + 40 + 4 * p, 0xFF2080C0u);
  }
  return out;
}

TEST(IconFromIcoBytesTest, EmbeddedIconIsTwoHundredFiftySixSquare) {
  const long before = Icons::live;
  {
    UniqueIcon icon = EmbeddedIcon();
    ASSERT_TRUE(icon);
    const IconSize size = SizeOf(icon.Get());
    EXPECT_EQ(size.width, 256);
    EXPECT_EQ(size.height, 256);
    EXPECT_EQ(Icons::live, before + 1);
  }
  EXPECT_EQ(Icons::live, before);
}

// True-colour entries store 0 colours (256 or more): they qualify, and the nearest size wins.
TEST(IconFromIcoBytesTest, TrueColourFileGivesItsNearestEntry) {
  const std::vector<unsigned char> ico = MakeTrueColourIco({16, 32, 48});
  for (const auto& [wanted, width] : {std::pair{16, 16}, {20, 16}, {32, 32}, {256, 48}}) {
    UniqueIcon icon = IconFromIcoBytes(ico.data(), ico.size(), wanted);
    ASSERT_TRUE(icon) << wanted;
    EXPECT_EQ(SizeOf(icon.Get()).width, width) << wanted;
  }
}

// Large entries are usually stored as PNG files: the system gets such an image as it is.
TEST(IconFromIcoBytesTest, PngEntryIsHandedOverAsItIs) {
  const unsigned char png20[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49,
      0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x14, 0x08, 0x06,
      0x00, 0x00, 0x00, 0x8D, 0x89, 0x1D, 0x0D, 0x00, 0x00, 0x00, 0x22, 0x49, 0x44,
      0x41, 0x54, 0x38, 0xCB, 0x63, 0x54, 0x68, 0x38, 0xF0, 0x9F, 0x81, 0x8A, 0x80,
      0x89, 0x9A, 0x86, 0x8D, 0x1A, 0x38, 0x6A, 0xE0, 0xA8, 0x81, 0xA3, 0x06, 0x8E,
      0x1A, 0x38, 0x94, 0x0C, 0x04, 0x00, 0x7F, 0x95, 0x02, 0x87, 0x10, 0xB8, 0x07,
      0xF7, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  std::vector<unsigned char> ico = {0, 0, 1, 0, 1, 0, 20, 20, 0, 0, 1, 0, 32, 0};
  const auto size = static_cast<unsigned char>(sizeof png20);
  ico.insert(ico.end(), {size, 0, 0, 0, 22, 0, 0, 0});
  ico.insert(ico.end(), std::begin(png20), std::end(png20));
  UniqueIcon icon = IconFromIcoBytes(ico.data(), ico.size(), 20);
  ASSERT_TRUE(icon);
  EXPECT_EQ(SizeOf(icon.Get()).width, 20);
  EXPECT_EQ(SizeOf(icon.Get()).height, 20);
}

TEST(IconFromIcoBytesTest, UnusableBytesGiveNoIcon) {
  const unsigned char garbage[] = "this is not an icon file at all, just some text";
  EXPECT_FALSE(IconFromIcoBytes(garbage, sizeof garbage, 16));
  EXPECT_FALSE(IconFromIcoBytes(garbage, sizeof garbage, 32));
  EXPECT_FALSE(IconFromIcoBytes(kHourglassIco, kHourglassIco_size / 2, 256));
  EXPECT_FALSE(IconFromIcoBytes(kHourglassIco, 0, 16));
  EXPECT_FALSE(IconFromIcoBytes(nullptr, 100, 16));
  EXPECT_EQ(Icons::live, 0);
}

// Stands in for the shell: records every call and answers as told.
struct ShellCall {
  DWORD message;
  NOTIFYICONDATAW data;
};
std::vector<ShellCall> g_calls;
int g_refusals = 0;  // the next calls that the shell refuses

BOOL WINAPI FakeShell(DWORD message, PNOTIFYICONDATAW data) {
  g_calls.push_back({message, *data});
  if (g_refusals > 0) {
    --g_refusals;
    return FALSE;
  }
  return TRUE;
}

class FakeShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    g_refusals = 0;
  }
  void TearDown() override { EXPECT_EQ(Icons::live, 0); }

  HWND window_ = reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x1234));
};

TEST_F(FakeShellTest, AddModifyDeleteCarryTheRecordFields) {
  TrayIcon tray(FakeShell);
  tray.Update(window_, EmbeddedIcon(), "Pellomi \xD5\xFD\xD4\xDA");  // 正在
  ASSERT_EQ(g_calls.size(), 1u);
  const NOTIFYICONDATAW& add = g_calls[0].data;
  EXPECT_EQ(g_calls[0].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(add.cbSize, static_cast<DWORD>(NOTIFYICONDATAW_V1_SIZE));
  EXPECT_EQ(add.hWnd, window_);
  EXPECT_EQ(add.uID, 100u);
  EXPECT_EQ(add.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(add.uCallbackMessage, 0x8064u);
  EXPECT_EQ(add.hIcon, tray.Icon());
  EXPECT_EQ(std::wstring(add.szTip), L"Pellomi \u6B63\u5728");
  EXPECT_TRUE(tray.InNotificationArea());
  EXPECT_EQ(Icons::live, 1);

  const HICON first = tray.Icon();
  tray.Update(window_, EmbeddedIcon(), nullptr);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(g_calls[1].data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(g_calls[1].data.hIcon, tray.Icon());
  EXPECT_EQ(g_calls[1].data.szTip[0], L'\0');  // a modify without a tooltip clears it
  EXPECT_EQ(Icons::live, 1);
  EXPECT_EQ(SizeOf(first).width, 0) << "the old picture was not destroyed";

  tray.Remove(window_);
  ASSERT_EQ(g_calls.size(), 3u);
  EXPECT_EQ(g_calls[2].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(g_calls[2].data.uFlags, 0u);
  EXPECT_EQ(g_calls[2].data.uCallbackMessage, 0u);
  EXPECT_EQ(g_calls[2].data.hIcon, nullptr);
  EXPECT_EQ(g_calls[2].data.uID, 100u);
  EXPECT_EQ(tray.Icon(), nullptr);

  tray.Remove(window_);  // nothing shown: nothing sent
  EXPECT_EQ(g_calls.size(), 3u);
}

TEST_F(FakeShellTest, TooltipIsCutInGbkBeforeConversion) {
  TrayIcon tray(FakeShell);
  const std::string tip = std::string(61, 'a') + "\xD6\xD0";  // 61 letters and 中
  tray.Update(window_, EmbeddedIcon(), tip.c_str());
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(std::wstring(g_calls[0].data.szTip), std::wstring(61, L'a'));

  const std::string fits = std::string(60, 'a') + "\xD6\xD0";
  tray.Update(window_, EmbeddedIcon(), fits.c_str());
  EXPECT_EQ(std::wstring(g_calls[1].data.szTip), std::wstring(60, L'a') + L"\u4E2D");
  tray.Remove(window_);
}

TEST_F(FakeShellTest, RefusedAddIsRepeatedWhenTheTaskbarReturns) {
  TrayIcon tray(FakeShell);
  g_refusals = 1;  // no notification area yet
  tray.Update(window_, EmbeddedIcon(), "tip");
  EXPECT_FALSE(tray.InNotificationArea());
  EXPECT_NE(tray.Icon(), nullptr);  // kept, to be shown later

  EXPECT_TRUE(tray.Restore(window_));
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(g_calls[1].data.hIcon, tray.Icon());
  EXPECT_EQ(std::wstring(g_calls[1].data.szTip), L"tip");
  EXPECT_TRUE(tray.InNotificationArea());
  tray.Remove(window_);
}

TEST_F(FakeShellTest, TickRetriesARefusedAddUntilShownThenSendsNothing) {
  TrayIcon tray(FakeShell);
  g_refusals = 3;  // the add, then the first tick's add and modify: the shell is busy
  tray.Update(window_, EmbeddedIcon(), "tip");
  EXPECT_FALSE(tray.KeepInNotificationArea(window_));
  EXPECT_TRUE(tray.KeepInNotificationArea(window_));
  ASSERT_EQ(g_calls.size(), 4u);
  EXPECT_EQ(g_calls[3].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(g_calls[3].data.hIcon, tray.Icon());
  EXPECT_TRUE(tray.KeepInNotificationArea(window_));
  EXPECT_EQ(g_calls.size(), 4u);  // shown: the tick sends nothing
  tray.ReturnFocus(window_);
  ASSERT_EQ(g_calls.size(), 5u);
  EXPECT_EQ(g_calls[4].message, static_cast<DWORD>(NIM_SETFOCUS));
  EXPECT_EQ(g_calls[4].data.uID, 100u);
  EXPECT_EQ(g_calls[4].data.hWnd, window_);
  tray.Remove(window_);
}

TEST_F(FakeShellTest, RestoreAfterShellRestartAddsAgain) {
  TrayIcon tray(FakeShell);
  tray.Update(window_, EmbeddedIcon(), "tip");
  g_calls.clear();
  EXPECT_TRUE(tray.Restore(window_));
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].message, static_cast<DWORD>(NIM_ADD));

  // If the shell still holds the icon the add is refused and a modify brings it up to date.
  g_calls.clear();
  g_refusals = 1;
  EXPECT_TRUE(tray.Restore(window_));
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_MODIFY));
  tray.Remove(window_);

  g_calls.clear();
  EXPECT_FALSE(tray.Restore(window_));  // no icon: nothing to put back
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(FakeShellTest, ModifyWhileNotShownAdds) {
  TrayIcon tray(FakeShell);
  g_refusals = 1;
  tray.Update(window_, EmbeddedIcon(), nullptr);
  tray.Update(window_, EmbeddedIcon(), nullptr);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_TRUE(tray.InNotificationArea());
  tray.Remove(window_);
}

TEST_F(FakeShellTest, DestructionTakesAShownIconAway) {
  {
    TrayIcon tray(FakeShell);
    tray.Update(window_, EmbeddedIcon(), nullptr);
  }
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_DELETE));
}

TEST(TaskbarCreated, IsTheRegisteredShellMessage) {
  const UINT message = TrayIcon::TaskbarCreatedMessage();
  EXPECT_GE(message, 0xC000u);
  EXPECT_EQ(message, RegisterWindowMessageW(L"TaskbarCreated"));
}

// A byte-array block as the runtime makes it.
std::vector<unsigned char> ByteArrayBlock(const unsigned char* bytes, std::size_t size) {
  std::vector<unsigned char> block(8 + size);
  const std::int32_t dims = 1;
  const auto count = static_cast<std::int32_t>(size);
  std::memcpy(block.data(), &dims, 4);
  std::memcpy(block.data() + 4, &count, 4);
  if (size != 0) std::memcpy(block.data() + 8, bytes, size);
  return block;
}

std::string TempIconPath() {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + L"pellomi_tray_test.ico";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, kHourglassIco, static_cast<DWORD>(kHourglassIco_size), &written, nullptr);
  CloseHandle(file);
  return std::string(path.begin(), path.end());  // the temp path is ASCII here
}

TEST_F(FakeShellTest, SetTrayIconTakesBytesOrAFile) {
  TrayIcon tray(FakeShell);
  const std::vector<unsigned char> block = ByteArrayBlock(kHourglassIco, kHourglassIco_size);
  const TypedValue tip = TypedValue::Text("tip");
  SetTrayIcon(tray, window_, TypedValue::Pointer(block.data(), ValueKind::kByteArray), &tip);
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(std::wstring(g_calls[0].data.szTip), L"tip");
  // The shell gets the entry of the small-icon size at 96 DPI, not the 256-pixel picture.
  EXPECT_EQ(g_calls[0].data.hIcon, tray.Icon());
  EXPECT_EQ(SizeOf(g_calls[0].data.hIcon).width, 16);
  EXPECT_EQ(SizeOf(g_calls[0].data.hIcon).height, 16);

  // A file that is not there removes the icon.
  SetTrayIcon(tray, window_, TypedValue::Text("Z:\\no\\such\\file.ico"), nullptr);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(tray.Icon(), nullptr);

  const std::string path = TempIconPath();
  SetTrayIcon(tray, window_, TypedValue::Text(path.c_str()), nullptr);
  ASSERT_EQ(g_calls.size(), 3u);
  EXPECT_EQ(g_calls[2].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(g_calls[2].data.szTip[0], L'\0');
  EXPECT_EQ(SizeOf(tray.Icon()).width, 16);
  DeleteFileA(path.c_str());

  // An empty name, bytes that are no icon and other kinds of value all remove it again.
  const unsigned char junk[] = {0, 0, 1, 0, 1, 0, 9, 9, 9};
  const std::vector<unsigned char> junkBlock = ByteArrayBlock(junk, sizeof junk);
  const TypedValue noIcon[] = {TypedValue::Text(""),
                               TypedValue::Pointer(junkBlock.data(), ValueKind::kByteArray),
                               TypedValue::Integer(5), TypedValue::Absent()};
  for (const TypedValue& source : noIcon) {
    SetTrayIcon(tray, window_, TypedValue::Pointer(block.data(), ValueKind::kByteArray), nullptr);
    ASSERT_NE(tray.Icon(), nullptr);
    const std::size_t calls = g_calls.size();
    SetTrayIcon(tray, window_, source, nullptr);
    ASSERT_EQ(g_calls.size(), calls + 1);
    EXPECT_EQ(g_calls.back().message, static_cast<DWORD>(NIM_DELETE)) << source.kind;
    EXPECT_EQ(tray.Icon(), nullptr);
  }
}

TEST_F(FakeShellTest, IconFromBytesIsFittedAgainAtADpiChangeAndWhenAddedAgain) {
  TrayIcon tray(FakeShell);
  tray.UpdateFromIco(
      window_, std::vector<std::uint8_t>(kHourglassIco, kHourglassIco + kHourglassIco_size), "tip");
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(SizeOf(g_calls[0].data.hIcon).width, 16);

  tray.FitToDpi(window_, 144);  // 150 %
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(g_calls[1].data.hIcon, tray.Icon());
  EXPECT_EQ(SizeOf(tray.Icon()).width, 24);
  EXPECT_EQ(std::wstring(g_calls[1].data.szTip), L"tip");
  EXPECT_EQ(Icons::live, 1);
  tray.FitToDpi(window_, 144);  // already that size: nothing sent
  EXPECT_EQ(g_calls.size(), 2u);

  // A new notification area: the icon is added at the window's present DPI (96 here).
  EXPECT_TRUE(tray.Restore(window_));
  ASSERT_EQ(g_calls.size(), 3u);
  EXPECT_EQ(g_calls[2].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(g_calls[2].data.hIcon, tray.Icon());
  EXPECT_EQ(SizeOf(tray.Icon()).width, 16);
  EXPECT_EQ(Icons::live, 1);

  // An icon given as a handle has no bytes to refit from: a DPI change leaves it alone.
  tray.Update(window_, EmbeddedIcon(), nullptr);
  const std::size_t calls = g_calls.size();
  tray.FitToDpi(window_, 192);
  EXPECT_EQ(g_calls.size(), calls);
  tray.Remove(window_);
}

// A hidden window of our own, for the real notification area.
class HiddenWindow {
 public:
  HiddenWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PellomiTrayTestWindow";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"tray test", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                            nullptr, nullptr, wc.hInstance, nullptr);
  }
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;
  ~HiddenWindow() { DestroyWindow(hwnd_); }
  HWND Get() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

TEST(RealShell, AddModifyDeleteLeaveNoIconBehind) {
  HiddenWindow window;
  ASSERT_NE(window.Get(), nullptr);
  {
    TrayIcon tray;
    tray.Update(window.Get(), EmbeddedIcon(), "Pellomi");
    EXPECT_EQ(Icons::live, 1);
    // Wine's explorer provides a notification area.
    EXPECT_TRUE(tray.InNotificationArea());
    tray.Update(window.Get(), EmbeddedIcon(), "Pellomi 2");
    EXPECT_EQ(Icons::live, 1);
    EXPECT_TRUE(tray.InNotificationArea());
    // The shell still holds the icon, so putting it back falls back to a modify and succeeds.
    EXPECT_TRUE(tray.Restore(window.Get()));
    tray.Remove(window.Get());
    EXPECT_EQ(Icons::live, 0);
    EXPECT_FALSE(tray.InNotificationArea());
  }
  EXPECT_EQ(Icons::live, 0);
}

// Answers the message box from inside its modal loop.
struct BoxAnswer {
  int command = 0;
  std::wstring caption;
  std::wstring text;
  bool found = false;
};
BoxAnswer g_answer;

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  if (std::wstring(className) != L"#32770") return TRUE;
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  g_answer.caption = caption;
  HWND text = FindWindowExW(window, nullptr, L"Static", nullptr);
  // The first static child may be the icon; the text is the one with a caption.
  while (text != nullptr && GetWindowTextLengthW(text) == 0) {
    text = FindWindowExW(window, text, L"Static", nullptr);
  }
  if (text != nullptr) {
    wchar_t buffer[128] = {};
    GetWindowTextW(text, buffer, 128);
    g_answer.text = buffer;
  }
  g_answer.found = true;
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(g_answer.command, BN_CLICKED), 0);
  return FALSE;
}

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0);
  if (g_answer.found) KillTimer(nullptr, id);
}

int ShowAndAnswer(int argCount, const TypedValue* args, int command) {
  g_answer = BoxAnswer{};
  g_answer.command = command;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerTimer);
  TypedValue result;
  ShowMessageBoxCommand(argCount, args, &result);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(result.Is(ValueKind::kInteger));
  return result.AsInt();
}

TEST(MessageBoxCommand, ShowsGbkTextsAndMapsTheAnswer) {
  const char* const text = kExitQuestion;
  const char* const caption = kExitCaption;
  const TypedValue exitBox[] = {TypedValue::Text(text), TypedValue::Integer(kOkCancelQuestion),
                                TypedValue::Text(caption)};
  EXPECT_EQ(ShowAndAnswer(3, exitBox, IDCANCEL), 1);
  EXPECT_TRUE(g_answer.found);
  EXPECT_EQ(g_answer.caption, L"\u63D0\u793A");
  EXPECT_EQ(g_answer.text, L"\u786E\u5B9A\u8981\u9000\u51FA\u7A0B\u5E8F\uFF1F");
  EXPECT_EQ(ShowAndAnswer(3, exitBox, IDOK), 0);

  const TypedValue yesNo[] = {TypedValue::Integer(42), TypedValue::Integer(MB_YESNO)};
  EXPECT_EQ(ShowAndAnswer(2, yesNo, IDNO), 6);
  EXPECT_EQ(g_answer.caption, L"\u4FE1\u606F\uFF1A");  // 信息：
  EXPECT_EQ(g_answer.text, L"42");
}

}  // namespace
}  // namespace pellomi
