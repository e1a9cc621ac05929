#pragma once
// The table of late-bound system functions: each entry names a library file and an export, and is
// bound at its first call. Binding is independent of the window system so it can be checked with
// a fake loader; the real loader and the typed calls are in dll_command_win.h.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pellomi {

// The entries of the table, in its order.
enum class DllCommandIndex : int {
  kGetWindowLong,
  kSetWindowLong,
  kSetLayeredWindowAttributes,
  kCreateRoundRectRgn,
  kSetWindowRgn,
  kDeleteObject,
  kGetClientRect,
};

// Count, library file names and export names, indexed alike. An export beginning with "#" is an
// ordinal; an empty library name means "search the usual system libraries".
struct DllCommandTable {
  int count = 0;
  const char* const* libraries = nullptr;
  const char* const* exports = nullptr;
};

inline constexpr int kDllCommandCount = 7;
extern const char* const kDllCommandLibraries[kDllCommandCount];
extern const char* const kDllCommandExports[kDllCommandCount];
// The program's own table.
const DllCommandTable& ProgramDllCommands();

// An export name or an ordinal ("#" and a decimal number, taken modulo 65536).
struct ExportReference {
  bool byOrdinal = false;
  std::uint16_t ordinal = 0;
  std::string name;
};
ExportReference ParseExportName(std::string_view exportName);

// One try at loading a library. A system-directory-only attempt never looks in the program's
// directory or the current directory, so a planted file of the same name is not picked up.
struct LibraryLoadAttempt {
  std::string path;
  bool systemDirectoryOnly = true;
  bool operator==(const LibraryLoadAttempt&) const = default;
};

// Libraries tried, in order, when binding an export of `library`; the first that loads and has
// the export wins.
std::vector<LibraryLoadAttempt> LibraryLoadAttempts(std::string_view library);

// How one attempt reaches the loader. Windows 7 without update KB2533623 (no AddDllDirectory)
// refuses the LOAD_LIBRARY_SEARCH flags: there a system library is named by its full path in the
// system folder, and a named file keeps its own folder for its dependencies the older way.
// `systemFolder` is GBK, empty when unknown.
inline constexpr std::uint32_t kLoadSearchDllLoadDir = 0x100;  // LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR
inline constexpr std::uint32_t kLoadSearchSystem32 = 0x800;    // LOAD_LIBRARY_SEARCH_SYSTEM32
inline constexpr std::uint32_t kLoadWithAlteredSearchPath = 0x8;  // LOAD_WITH_ALTERED_SEARCH_PATH
struct LibraryLoadCall {
  std::string path;  // GBK
  std::uint32_t flags = 0;
  bool operator==(const LibraryLoadCall&) const = default;
};
LibraryLoadCall PlanLibraryLoad(const LibraryLoadAttempt& attempt, bool searchFlagsSupported,
                                std::string_view systemFolder);

// The fatal message for an export that could not be bound (GBK).
std::string ExportMissingMessage(std::string_view library, std::string_view exportName);

// A library loaded for the table; destroying it unloads it. What it holds is the loader's
// business (a module handle on Windows, a fake in host tests).
class LoadedLibrary {
 public:
  virtual ~LoadedLibrary() = default;
  // The export's address, or null.
  virtual void* FindExport(const ExportReference& reference) const = 0;
};

class LibraryLoader {
 public:
  virtual ~LibraryLoader() = default;
  // Null when the library cannot be loaded.
  virtual std::unique_ptr<LoadedLibrary> Load(const LibraryLoadAttempt& attempt) = 0;
};

class DllCommandBinder {
 public:
  DllCommandBinder(const DllCommandTable& table, LibraryLoader& loader);
  DllCommandBinder(const DllCommandBinder&) = delete;
  DllCommandBinder& operator=(const DllCommandBinder&) = delete;

  // The entry's address, bound at the first call and kept; an export that cannot be bound is a
  // fatal runtime error.
  void* Bind(int index);
  bool IsBound(int index) const;
  // The library the entry was bound from, or null.
  const LoadedLibrary* LibraryOf(int index) const;
  // Unloads every library that binding loaded and forgets the addresses.
  void UnloadAll();

 private:
  struct Binding {
    void* address = nullptr;
    std::unique_ptr<LoadedLibrary> library;
  };
  const DllCommandTable& table_;
  LibraryLoader& loader_;
  std::vector<Binding> bindings_;
};

}  // namespace pellomi
