#include "form/runtime_error.h"

#include <cstdio>
#include <cstdlib>

#include "form/runtime_state.h"
#include "form/runtime_texts.h"

namespace pellomi {
namespace {

void PrintAndExit(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::exit(-1);
}

FatalErrorPresenter g_presenter = PrintAndExit;

void AppendQuotedTag(std::string& out, const UnitRecord& unit) {
  out += "\r\n\"";
  out += unit.tag;
  out += '"';
}

}  // namespace

std::string ComposeRuntimeErrorText(std::string_view message, int code, std::uint32_t owner,
                                    std::uint32_t position, const TemplateStore* store) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "\r\n%d, %d", static_cast<int>(owner),
                static_cast<int>(position));
  std::string detail = numbers;
  if (IsWindowId(owner)) {
    const WindowEntry* entry = store == nullptr ? nullptr : store->Find(owner);
    if (entry == nullptr) {
      detail += "\r\n";
      detail += texts::kNamedWindowMissing;
    } else {
      const WindowTemplate& table = TemplateStore::Units(*entry);
      if (!table.units.empty()) AppendQuotedTag(detail, table.units.front());
      const UnitRecord* unit = TemplateStore::FindUnit(table, position);
      if (unit == nullptr || unit->IsMenuItem()) {
        detail += "\r\n";
        detail += texts::kNamedUnitMissing;
      } else {
        AppendQuotedTag(detail, *unit);
      }
    }
  }
  detail += "\r\n";

  std::string text = texts::kRuntimeErrorHeading;
  text += "\r\n";
  if (code != 0) {
    text += "\r\n";
    text += texts::kErrorCodeLabel;
    text += std::to_string(code);
    text += "\r\n";
  }
  if (!message.empty()) {
    text += "\r\n";
    text += texts::kErrorMessageLabel;
    text += message;
    text += "\r\n";
  }
  text += detail;
  return text;
}

void SetFatalErrorPresenter(FatalErrorPresenter presenter) {
  g_presenter = presenter != nullptr ? presenter : PrintAndExit;
}

void ReportRuntimeError(std::string_view message, int code, std::uint32_t owner,
                        std::uint32_t position) {
  RuntimeState& runtime = Runtime();
  ++runtime.errorsReported;
  g_presenter(ComposeRuntimeErrorText(message, code, owner, position, &runtime.store));
  std::abort();  // a presenter that returns has broken its contract
}

}  // namespace pellomi
