#pragma once
// Joining and measuring texts. A null text counts as empty.
#include <cstddef>
#include <initializer_list>
#include <span>

namespace pellomi {

// Bytes before the terminating zero; 0 for a null text.
std::size_t TextLength(const char* text);

// A new block (from AllocateBlock, released by the caller) holding the texts in order. It is a
// new block even when every text is empty.
char* ConcatTexts(std::span<const char* const> texts);
char* ConcatTexts(std::initializer_list<const char*> texts);

}  // namespace pellomi
