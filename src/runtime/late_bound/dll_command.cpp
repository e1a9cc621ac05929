#include "late_bound/dll_command.h"

#include <cstdio>

#include "form/runtime_error.h"
#include "form/runtime_texts.h"

namespace pellomi {

const char* const kDllCommandLibraries[kDllCommandCount] = {
    "user32.dll", "user32.dll", "user32.dll", "gdi32.dll", "user32.dll", "gdi32.dll", "user32.dll",
};
const char* const kDllCommandExports[kDllCommandCount] = {
    "GetWindowLongA",     "SetWindowLongA", "SetLayeredWindowAttributes",
    "CreateRoundRectRgn", "SetWindowRgn",   "DeleteObject",
    "GetClientRect",
};

const DllCommandTable& ProgramDllCommands() {
  static const DllCommandTable table{kDllCommandCount, kDllCommandLibraries, kDllCommandExports};
  return table;
}

ExportReference ParseExportName(std::string_view exportName) {
  ExportReference reference;
  if (exportName.empty() || exportName.front() != '#') {
    reference.name = std::string(exportName);
    return reference;
  }
  reference.byOrdinal = true;
  std::uint32_t ordinal = 0;
  for (char c : exportName.substr(1)) {
    if (c < '0' || c > '9') break;
    ordinal = (ordinal * 10 + static_cast<std::uint32_t>(c - '0')) % 65536u;
  }
  reference.ordinal = static_cast<std::uint16_t>(ordinal);
  return reference;
}

std::vector<LibraryLoadAttempt> LibraryLoadAttempts(std::string_view library) {
  if (library.empty()) {
    static constexpr const char* kUsualLibraries[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                                      "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};
    std::vector<LibraryLoadAttempt> attempts;
    for (const char* name : kUsualLibraries) attempts.push_back({name, true});
    return attempts;
  }
  // A drive or absolute path names the file itself.
  if (library.find(':') != std::string_view::npos) return {{std::string(library), false}};
  // A relative path could only reach outside the system directory.
  if (library.find_first_of("\\/") != std::string_view::npos) return {};
  return {{std::string(library), true}};
}

LibraryLoadCall PlanLibraryLoad(const LibraryLoadAttempt& attempt, bool searchFlagsSupported,
                                std::string_view systemFolder) {
  if (searchFlagsSupported) {
    // Never the program's or the current directory: a planted user32.dll there must not run.
    // A named file is loaded as given, its own dependencies from its folder or the system.
    return {attempt.path, attempt.systemDirectoryOnly
                              ? kLoadSearchSystem32
                              : kLoadSearchDllLoadDir | kLoadSearchSystem32};
  }
  if (!attempt.systemDirectoryOnly) return {attempt.path, kLoadWithAlteredSearchPath};
  // Without a known folder a bare name would search the program's folder: better refused.
  if (systemFolder.empty()) return {attempt.path, kLoadSearchSystem32};
  std::string path(systemFolder);
  if (path.back() != '\\') path += '\\';
  return {path + attempt.path, 0};
}

std::string ExportMissingMessage(std::string_view library, std::string_view exportName) {
  const std::string libraryText(library);
  const std::string exportText(exportName);
  char buffer[1024];
  if (library.empty()) {
    std::snprintf(buffer, sizeof buffer, texts::kExportMissingNoLibraryFormat, exportText.c_str());
  } else {
    std::snprintf(buffer, sizeof buffer, texts::kExportMissingFormat, libraryText.c_str(),
                  exportText.c_str());
  }
  return buffer;
}

DllCommandBinder::DllCommandBinder(const DllCommandTable& table, LibraryLoader& loader)
    : table_(table), loader_(loader), bindings_(static_cast<std::size_t>(table.count)) {}

void* DllCommandBinder::Bind(int index) {
  Binding& binding = bindings_.at(static_cast<std::size_t>(index));
  if (binding.address != nullptr) return binding.address;

  const char* libraryName = table_.libraries[index] != nullptr ? table_.libraries[index] : "";
  const char* exportName = table_.exports[index] != nullptr ? table_.exports[index] : "";
  const ExportReference reference = ParseExportName(exportName);
  for (const LibraryLoadAttempt& attempt : LibraryLoadAttempts(libraryName)) {
    std::unique_ptr<LoadedLibrary> library = loader_.Load(attempt);
    if (!library) continue;
    // Ordinal 0 names no export.
    void* address =
        (reference.byOrdinal && reference.ordinal == 0) ? nullptr : library->FindExport(reference);
    if (address != nullptr) {
      binding = {address, std::move(library)};
      return address;
    }
    // A library without the export is unloaded before the next one is tried.
  }
  ReportRuntimeError(ExportMissingMessage(libraryName, exportName), 0, 0, 0);
}

bool DllCommandBinder::IsBound(int index) const {
  return bindings_.at(static_cast<std::size_t>(index)).address != nullptr;
}

const LoadedLibrary* DllCommandBinder::LibraryOf(int index) const {
  return bindings_.at(static_cast<std::size_t>(index)).library.get();
}

void DllCommandBinder::UnloadAll() {
  // Each binding loaded its library once, so each unloads it once.
  for (Binding& binding : bindings_) binding = {};
}

}  // namespace pellomi
