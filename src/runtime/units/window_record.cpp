#include "units/window_record.h"

#include <cstring>

#include "form/byte_io.h"
#include "form/unit_model.h"

namespace pellomi {

std::vector<std::uint8_t> SaveWindowRecord(const WindowRecord& r) {
  ByteWriter w;
  w.U32(r.version);
  w.Text(r.title);
  w.I32(r.borderStyle);
  w.U32(r.backgroundColour);
  w.Bytes(r.backgroundPicture);
  w.I32(r.pictureMode);
  w.Bytes(r.extraBackground);
  w.I32(r.extraBackgroundChoice);
  for (bool b : {r.controlBox, r.maximizeBox, r.minimizeBox}) w.Bool(b);
  w.I32(r.windowState);
  w.Bool(r.movable);
  w.Bytes(r.icon);
  for (bool b : {r.enterKeyFlag, r.escapeCloses, r.f1OpensHelp}) w.Bool(b);
  w.Text(r.helpFile);
  w.I32(r.helpContext);
  for (bool b : {r.shownInTaskbar, r.dragByClientArea}) w.Bool(b);
  w.I32(r.shape);
  for (bool b : {r.alwaysOnTop, r.windowFlag}) w.Bool(b);
  w.Text(r.className);
  return w.Take();
}

std::optional<WindowRecord> ReadWindowRecord(const std::vector<std::uint8_t>& bytes) {
  ByteReader in(bytes);
  WindowRecord r;
  r.version = in.U32();
  if (!in.Ok() || r.version > kWindowRecordVersion) return std::nullopt;
  r.title = in.Text();
  r.borderStyle = in.I32();
  r.backgroundColour = in.U32();
  r.backgroundPicture = in.Bytes();
  r.pictureMode = in.I32();
  r.extraBackground = in.Bytes();
  r.extraBackgroundChoice = in.I32();
  r.controlBox = in.Bool();
  r.maximizeBox = in.Bool();
  r.minimizeBox = in.Bool();
  r.windowState = in.I32();
  r.movable = in.Bool();
  r.icon = in.Bytes();
  r.enterKeyFlag = in.Bool();
  r.escapeCloses = in.Bool();
  r.f1OpensHelp = in.Bool();
  r.helpFile = in.Text();
  r.helpContext = in.I32();
  r.shownInTaskbar = in.Bool();
  r.dragByClientArea = in.Bool();
  r.shape = in.I32();
  r.alwaysOnTop = in.Bool();
  r.windowFlag = in.Bool();
  r.className = in.Text();
  if (!in.Ok()) return std::nullopt;
  return r;
}

std::vector<std::uint8_t> SaveTimerRecord(std::int32_t intervalMs) {
  ByteWriter w;
  w.U32(kTimerRecordVersion);
  w.I32(intervalMs);
  return w.Take();
}

std::optional<std::int32_t> ReadTimerRecord(const std::vector<std::uint8_t>& bytes) {
  ByteReader in(bytes);
  std::uint32_t version = in.U32();
  std::int32_t interval = in.I32();
  if (!in.Ok() || version > kTimerRecordVersion) return std::nullopt;
  return interval;
}

std::uint32_t FrameBits(const WindowRecord& record) {
  std::uint32_t bits = 0;
  if (record.borderStyle != 0) {
    if (!record.title.empty() || record.controlBox) bits |= style::kCaption;
    if (record.controlBox) bits |= style::kSysMenu;
    bits |= style::kDlgFrame;  // windows are always top-level here
  }
  switch (record.borderStyle) {
    case 1:
    case 3:
    case 5:
      bits |= style::kThickFrame;
      break;
    default:
      break;
  }
  if (record.maximizeBox) bits |= style::kMaximizeBox;
  if (record.minimizeBox) bits |= style::kMinimizeBox;
  return bits;
}

WindowCreation ComputeWindowCreation(const WindowRecord& record, std::uint32_t unitFlags,
                                     std::int32_t left, std::int32_t top, std::int32_t width,
                                     std::int32_t height, std::int32_t screenWidth,
                                     std::int32_t screenHeight) {
  WindowCreation c;
  c.style = style::kClipChildren;
  if (unitFlags & kUnitDisabled) c.style |= style::kDisabled;
  if (unitFlags & kUnitTabStop) c.style |= style::kTabStop;
  c.style |= FrameBits(record);
  switch (record.borderStyle) {
    case 3:
    case 4:
      c.exStyle |= style::kExToolWindow;
      break;
    case 5:
    case 6:
      c.exStyle |= style::kExClientEdge;
      break;
    default:
      break;
  }
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  if (record.windowState == kStateCentered) {
    c.left = (screenWidth - width) / 2;
    c.top = (screenHeight - height) / 2;
  } else if (record.windowState == kStateMinimized) {
    c.style |= style::kMinimize;
  } else if (record.windowState == kStateMaximized && (c.style & style::kThickFrame)) {
    c.style |= style::kMaximize;
  }
  c.ownedByHiddenOwner = !record.shownInTaskbar;
  return c;
}

}  // namespace pellomi
