#pragma once
// Blocks handed out by the runtime and its commands. The receiver owns a block and releases it;
// constant texts lie in registered constant pools, which release ignores.
#include <cstddef>

namespace pellomi {

// Fatal runtime error when the heap is exhausted.
void* AllocateBlock(std::size_t size);
// Null and pointers into a constant pool are ignored.
void ReleaseBlock(const void* block);
// Null allocates; a constant block is copied (as much as fits) into a new block.
void* ResizeBlock(void* block, std::size_t size);

// Marks `size` bytes from `begin` as constant: InitRuntime registers the program's image.
void RegisterConstantPool(const void* begin, std::size_t size);
bool IsConstantBlock(const void* block);

// Copies a text (null counts as empty) into a new block, terminator included.
char* CopyTextToBlock(const char* text);

}  // namespace pellomi
