#include "handles_win.h"

namespace pellomi::platform {
namespace {
// Only the user-interface thread makes window-system objects, so plain counters do.
long g_live[static_cast<int>(HandleKind::kCount)] = {};
}  // namespace

long LiveHandleCount(HandleKind kind) {
  return g_live[static_cast<int>(kind)];
}
void NoteHandleAcquired(HandleKind kind) {
  ++g_live[static_cast<int>(kind)];
}
void NoteHandleReleased(HandleKind kind) {
  --g_live[static_cast<int>(kind)];
}

}  // namespace pellomi::platform
