#include "template/countdown_template.h"

#include <tuple>

#include "form/unit_events.h"
#include "template/label_records.h"
#include "units/window_record.h"

namespace pellomi {
namespace {

struct MenuItemDef {
  UnitId id;
  int level;
  std::uint32_t flags;
  const char* caption;  // GBK
  const char* handler;  // null: none
};

constexpr MenuItemDef kMenuItems[] = {
    {units::kTrayMenu, 0, kMenuHidden, "\xCD\xD0\xC5\xCC\xB2\xCB\xB5\xA5", nullptr},  // 托盘菜单
    {units::kMinimizeToTray, 1, 0,
     "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCD\xD0\xC5\xCC",  // 最小化到托盘
     "OnMinimizeToTray"},
    {units::kShowMainWindow, 1, kMenuChecked,
     "\xCF\xD4\xCA\xBE\xD6\xF7\xBD\xE7\xC3\xE6",  // 显示主界面
     "OnShowMainWindow"},
    {units::kPositionMenu, 1, 0, "\xCE\xBB\xD6\xC3", nullptr},                          // 位置
    {units::kPlaceTopCenter, 2, kMenuChecked, "\xC9\xCF\xD6\xD0", "OnPlaceTopCenter"},  // 上中
    {units::kPlaceBottomCenter, 2, 0, "\xCF\xC2\xD6\xD0", "OnPlaceBottomCenter"},       // 下中
    {units::kPlaceTopLeft, 2, 0, "\xD7\xF3\xC9\xCF\xBD\xC7", "OnPlaceTopLeft"},         // 左上角
    {units::kPlaceTopRight, 2, 0, "\xD3\xD2\xC9\xCF\xBD\xC7", "OnPlaceTopRight"},       // 右上角
    {units::kPlaceBottomLeft, 2, 0, "\xD7\xF3\xCF\xC2\xBD\xC7", "OnPlaceBottomLeft"},   // 左下角
    {units::kPlaceBottomRight, 2, 0, "\xD3\xD2\xCF\xC2\xBD\xC7", "OnPlaceBottomRight"},  // 右下角
    {units::kAlphaMenu, 1, 0, "\xCD\xB8\xC3\xF7\xB6\xC8", nullptr},  // 透明度
    {units::kAlpha50, 2, 0, "50%", "OnAlpha50"},
    {units::kAlpha100, 2, 0, "100%", "OnAlpha100"},
    {units::kAlpha150, 2, 0, "150%", "OnAlpha150"},
    {units::kAlpha200, 2, kMenuChecked, "200%", "OnAlpha200"},
    {units::kAlpha250, 2, 0, "250%", "OnAlpha250"},
    {units::kAlpha300, 2, 0, "300%", nullptr},
    {units::kWindowMenu, 1, 0, "\xB4\xB0\xBF\xDA\xCA\xF4\xD0\xD4", nullptr},  // 窗口属性
    {units::kSetTopmost, 2, 0, "\xD6\xC3\xB4\xB0\xBF\xDA\xD7\xEE\xC7\xB0",    // 置窗口最前
     "OnSetTopmost"},
    {units::kCancelTopmost, 2, kMenuChecked, "\xC8\xA1\xCF\xFB\xB4\xB0\xBF\xDA\xD7\xEE\xC7\xB0",
     "OnCancelTopmost"},  // 取消窗口最前
    {units::kSeparator, 1, 0, "-", nullptr},
    {units::kAuthor, 1, 0, "\xD7\xF7\xD5\xDF\xA3\xBANorvane", nullptr},  // 作者：Norvane
    {units::kExit, 1, 0, "\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2", "OnExit"},  // 退出程序
};

constexpr char kWindowTitle[] = "\xB5\xB9\xBC\xC6\xCA\xB1";  // 倒计时
constexpr char kTimerName[] =
    "\xCA\xB1\xD6\xD3"
    "1";  // 时钟1
constexpr char kCountdownLabelName[] =
    "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9"
    "2";  // 透明标签2
constexpr char kProductLabelName[] =
    "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9"
    "1";  // 透明标签1

HandlerRoutine Resolve(HandlerResolver resolve, const char* name) {
  return name == nullptr ? nullptr : resolve(name);
}

UnitRecord Component(UnitKind kind, UnitId id, const char* name, std::int32_t left,
                     std::int32_t top, std::int32_t width, std::int32_t height, bool visible) {
  UnitRecord unit;
  unit.kind = kind;
  unit.id = id;
  unit.name = name;
  std::tie(unit.left, unit.top, unit.width, unit.height) = std::tie(left, top, width, height);
  unit.flags = visible ? kUnitVisible : 0;
  return unit;
}

WindowRecord CountdownWindowRecord() {
  WindowRecord r;
  r.title = kWindowTitle;
  r.borderStyle = 0;
  r.backgroundColour = 0x00FFFFFF;
  r.pictureMode = 1;
  r.controlBox = true;
  r.maximizeBox = false;
  r.minimizeBox = true;
  r.windowState = kStateCentered;
  r.movable = true;
  r.escapeCloses = false;
  r.shownInTaskbar = false;
  r.alwaysOnTop = false;
  return r;
}

}  // namespace

WindowTemplate BuildCountdownTemplate(HandlerResolver resolve) {
  WindowTemplate t;
  t.id = kCountdownWindowId;
  t.units.reserve(27);

  UnitRecord window = Component(UnitKind::kWindow, kWindowUnitId, "", 50, 50, 300, 120, true);
  window.kindData = SaveWindowRecord(CountdownWindowRecord());
  window.bindings = {{kEventCreated, resolve("OnWindowCreated")},
                     {kEventTray, resolve("OnTrayEvent")},
                     {kEventTimeChanged, resolve("OnClockChanged")},
                     {kEventResumed, resolve("OnClockChanged")},
                     {kEventDisplayChanged, resolve("OnDisplayChanged")},
                     {kEventDpiChanged, resolve("OnDpiChanged")},
                     {kEventDataReceived, resolve("OnSecondStart")}};
  t.units.push_back(std::move(window));

  UnitRecord timer = Component(UnitKind::kTimer, units::kTimer, kTimerName, 232, 8, 32, 32, false);
  timer.kindData = SaveTimerRecord(1000);
  timer.bindings = {{kEventTimerElapsed, resolve("OnTimer")}};
  t.units.push_back(std::move(timer));

  for (const MenuItemDef& def : kMenuItems) {
    UnitRecord item;
    item.kind = UnitKind::kMenuItem;
    item.id = def.id;
    item.menu.level = def.level;
    item.menu.flags = def.flags;
    item.menu.caption = def.caption;
    item.menu.handler = Resolve(resolve, def.handler);
    t.units.push_back(std::move(item));
  }

  UnitRecord countdown = Component(UnitKind::kTransparentLabel, units::kCountdownLabel,
                                   kCountdownLabelName, -30, 40, 360, 64, true);
  countdown.kindData = CountdownLabelRecordBytes();
  t.units.push_back(std::move(countdown));

  UnitRecord product = Component(UnitKind::kTransparentLabel, units::kProductLabel,
                                 kProductLabelName, -14, -16, 328, 88, true);
  product.kindData = ProductLabelRecordBytes();
  t.units.push_back(std::move(product));
  return t;
}

std::string_view MenuCaption(UnitId item) {
  for (const MenuItemDef& def : kMenuItems) {
    if (def.id == item) return def.caption;
  }
  return {};
}

std::vector<std::string_view> CountdownHandlerNames() {
  std::vector<std::string_view> names = {"OnWindowCreated",  "OnTrayEvent",  "OnClockChanged",
                                         "OnDisplayChanged", "OnDpiChanged", "OnTimer",
                                         "OnSecondStart"};
  for (const MenuItemDef& def : kMenuItems) {
    if (def.handler != nullptr) names.push_back(def.handler);
  }
  return names;
}

}  // namespace pellomi
