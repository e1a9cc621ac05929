#include "values/memory_service.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "form/runtime_error.h"
#include "form/runtime_texts.h"

namespace pellomi {
namespace {

struct PoolRange {
  std::uintptr_t begin;
  std::uintptr_t end;
};

// A handful of pools at most; a fixed table keeps the service allocation-free.
constexpr int kMaxPools = 8;
PoolRange g_pools[kMaxPools];
int g_poolCount = 0;

[[noreturn]] void ReportHeapExhausted(std::size_t size) {
  char message[96];
  std::snprintf(message, sizeof message, texts::kAllocationFailedFormat, static_cast<int>(size));
  ReportRuntimeError(message, 0, 0, 0);
}

}  // namespace

void* AllocateBlock(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) ReportHeapExhausted(size);
  return block;
}

void ReleaseBlock(const void* block) {
  if (block == nullptr || IsConstantBlock(block)) return;
  std::free(const_cast<void*>(block));
}

void* ResizeBlock(void* block, std::size_t size) {
  if (block == nullptr) return AllocateBlock(size);
  if (IsConstantBlock(block)) {
    void* copy = AllocateBlock(size);
    std::uintptr_t start = reinterpret_cast<std::uintptr_t>(block);
    std::size_t available = size;
    for (int i = 0; i < g_poolCount; ++i) {
      if (start >= g_pools[i].begin && start < g_pools[i].end) available = g_pools[i].end - start;
    }
    std::memcpy(copy, block, available < size ? available : size);
    return copy;
  }
  void* moved = std::realloc(block, size == 0 ? 1 : size);
  if (moved == nullptr) ReportHeapExhausted(size);
  return moved;
}

void RegisterConstantPool(const void* begin, std::size_t size) {
  std::uintptr_t start = reinterpret_cast<std::uintptr_t>(begin);
  for (int i = 0; i < g_poolCount; ++i) {
    if (g_pools[i].begin == start) return;
  }
  if (g_poolCount < kMaxPools) g_pools[g_poolCount++] = {start, start + size};
}

bool IsConstantBlock(const void* block) {
  std::uintptr_t p = reinterpret_cast<std::uintptr_t>(block);
  for (int i = 0; i < g_poolCount; ++i) {
    if (p >= g_pools[i].begin && p < g_pools[i].end) return true;
  }
  return false;
}

char* CopyTextToBlock(const char* text) {
  std::size_t length = text == nullptr ? 0 : std::strlen(text);
  char* copy = static_cast<char*>(AllocateBlock(length + 1));
  if (length != 0) std::memcpy(copy, text, length);
  copy[length] = '\0';
  return copy;
}

}  // namespace pellomi
