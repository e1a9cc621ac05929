// The window-free headers copy Windows constants so that their logic builds and is tested on any
// host; here each copy is checked against <windows.h>, so a typo cannot hide.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cstddef>

#include "label/label_font.h"
#include "label/label_format.h"
#include "layered/transparency_rules.h"
#include "message_box/message_box_rules.h"
#include "tray/tray_record.h"
#include "units/window_record.h"
#include "windowed/window_messages.h"

namespace pellomi {

static_assert(style::kCaption == WS_CAPTION);
static_assert(style::kSysMenu == WS_SYSMENU);
static_assert(style::kDlgFrame == WS_DLGFRAME);
static_assert(style::kThickFrame == WS_THICKFRAME);
static_assert(style::kMaximizeBox == WS_MAXIMIZEBOX);
static_assert(style::kMinimizeBox == WS_MINIMIZEBOX);
static_assert(style::kClipChildren == WS_CLIPCHILDREN);
static_assert(style::kDisabled == WS_DISABLED);
static_assert(style::kTabStop == WS_TABSTOP);
static_assert(style::kMinimize == WS_MINIMIZE);
static_assert(style::kMaximize == WS_MAXIMIZE);
static_assert(style::kExToolWindow == WS_EX_TOOLWINDOW);
static_assert(style::kExClientEdge == WS_EX_CLIENTEDGE);

static_assert(kDeferredDestroyMessage == WM_APP + 101);
static_assert(kExitRequestMessage == WM_APP + 999);

static_assert(kDtCenter == DT_CENTER);
static_assert(kDtRight == DT_RIGHT);
static_assert(kDtVCenter == DT_VCENTER);
static_assert(kDtBottom == DT_BOTTOM);
static_assert(kDtWordBreak == DT_WORDBREAK);
static_assert(kDtSingleLine == DT_SINGLELINE);
static_assert(kDtNoClip == DT_NOCLIP);

static_assert(kLogFontSize == sizeof(LOGFONTA));
static_assert(kLogFontFaceSize == LF_FACESIZE);
static_assert(kNormalWeight == FW_NORMAL);
static_assert(kDefaultCharSet == DEFAULT_CHARSET);
static_assert(kGb2312CharSet == GB2312_CHARSET);
static_assert(kStrokeOutPrecision == OUT_STROKE_PRECIS);
static_assert(kStrokeClipPrecision == CLIP_STROKE_PRECIS);
static_assert(kDraftQuality == DRAFT_QUALITY);
static_assert(kProofQuality == PROOF_QUALITY);
static_assert(kVariablePitchSwiss == (VARIABLE_PITCH | FF_SWISS));

static_assert(kExStyleTransparent == WS_EX_TRANSPARENT);
static_assert(kExStyleLayered == WS_EX_LAYERED);
static_assert(kLayeredColourKey == LWA_COLORKEY);
static_assert(kLayeredAlpha == LWA_ALPHA);
static_assert(kExStyleIndex == GWL_EXSTYLE);

static_assert(kOkCancelStyle == MB_OKCANCEL);
static_assert(kQuestionIconStyle == MB_ICONQUESTION);
static_assert(kSystemModalStyle == MB_SYSTEMMODAL);
static_assert(kTaskModalStyle == MB_TASKMODAL);

static_assert(kTrayCallbackMessage == WM_APP + 100);
// The first form of the record, as a 32-bit shell measures it, and its tooltip field.
static_assert(sizeof(void*) != 4 || kTrayRecordSize == NOTIFYICONDATAA_V1_SIZE);
static_assert(kTrayTipBytes == NOTIFYICONDATAA_V1_SIZE - offsetof(NOTIFYICONDATAA, szTip));
static_assert(kTrayFlagMessage == NIF_MESSAGE);
static_assert(kTrayFlagIcon == NIF_ICON);
static_assert(kTrayFlagTip == NIF_TIP);

}  // namespace pellomi
