// pellomi-probe: inspects and drives the widget from a second process, for the end-to-end tests.
// Usage: pellomi-probe COMMAND [--option value]...; every command prints one JSON line (UTF-8).
// "pellomi-probe serve" reads such commands as UTF-8 lines from standard input and answers each
// with its JSON line, which saves starting a Windows process for every question.
#include <cstdio>
#include <string>

#include "probe_commands_win.h"
#include "probe_json_win.h"

namespace {

using pellomi::probe::JsonBuilder;
using pellomi::probe::PrintLine;
using pellomi::probe::ProbeArgs;

struct CommandEntry {
  const wchar_t* name;
  int (*run)(const ProbeArgs&);
  const char* usage;
  bool blocks;  // runs a message loop until killed: not available in the serve mode
};

const CommandEntry kCommands[] = {
    {L"find", pellomi::probe::RunFind, "find [--title T] [--class C] [--timeout ms] [--gone]",
     false},
    {L"window", pellomi::probe::RunWindow, "window --title T [--inset N]", false},
    {L"children", pellomi::probe::RunChildren, "children --title T", false},
    {L"stack", pellomi::probe::RunStack, "stack [--all]", false},
    {L"screen", pellomi::probe::RunScreen, "screen", false},
    {L"display-mode", pellomi::probe::RunDisplayMode, "display-mode --width W --height H", false},
    {L"close", pellomi::probe::RunClose, "close --title T", false},
    {L"command", pellomi::probe::RunCommand, "command --title T --id N", false},
    {L"message-box", pellomi::probe::RunMessageBox,
     "message-box [--title T] [--timeout ms] [--press ok|cancel]", false},
    {L"broadcast-taskbar-created", pellomi::probe::RunBroadcastTaskbarCreated,
     "broadcast-taskbar-created", false},
    {L"topmost-window", pellomi::probe::RunTopmostWindow,
     "topmost-window --rect l,t,w,h [--title T] [--colour 0xBBGGRR] [--lifetime ms]", true},
    {L"front-window", pellomi::probe::RunFrontWindow,
     "front-window --rect l,t,w,h [--caption] [--lifetime ms]", true},
    {L"monitor-change", pellomi::probe::RunMonitorChange,
     "monitor-change --device \\\\.\\DISPLAYn (--detach | --rect l,t,w,h)", false},
    {L"click-target", pellomi::probe::RunClickTarget,
     "click-target --rect l,t,w,h --log FILE [--bottom] [--lifetime ms]", true},
};

const CommandEntry* FindCommand(const std::wstring& name) {
  for (const CommandEntry& entry : kCommands) {
    if (name == entry.name) return &entry;
  }
  return nullptr;
}

std::wstring WideFromUtf8(const std::string& text) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) {
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        size);
  }
  return result;
}

int Serve() {
  std::string line;
  char chunk[1024];
  while (std::fgets(chunk, sizeof chunk, stdin) != nullptr) {
    line += chunk;
    if (line.empty() || line.back() != '\n') continue;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    const ProbeArgs args = ProbeArgs::FromRequest(WideFromUtf8(line));
    line.clear();
    if (args.Command() == L"quit") break;
    const CommandEntry* entry = FindCommand(args.Command());
    if (entry == nullptr || entry->blocks) {
      PrintLine(JsonBuilder::Object()
                    .Add("error", L"unknown or blocking command")
                    .Add("command", args.Command())
                    .Str());
      continue;
    }
    entry->run(args);
  }
  return 0;
}

}  // namespace

int main() {
  const ProbeArgs args = ProbeArgs::FromCommandLine();
  if (args.Command() == L"serve") return Serve();
  if (const CommandEntry* entry = FindCommand(args.Command())) return entry->run(args);
  std::string usage = "usage: pellomi-probe COMMAND ...\n  serve";
  for (const CommandEntry& entry : kCommands) usage += std::string("\n  ") + entry.usage;
  PrintLine(usage);
  return 2;
}
