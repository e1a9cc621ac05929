#pragma once
// A block of data another process sent a window (WM_COPYDATA): readable by the handler of
// kEventDataReceived while it runs, and answered by it. The bytes come from outside: a handler
// reads them as untrusted input.
#include <cstddef>
#include <span>

namespace pellomi {

// The bytes of the block being delivered; empty outside the event.
std::span<const std::byte> ReceivedData();

// The handler accepts the block: the sender's call returns TRUE (else FALSE).
void AcceptReceivedData();

// The runtime's side: delivers one block to `deliver` and says whether it was accepted. Nested
// deliveries (a handler's own sent calls may let another block in) each keep their own.
class ReceivedDataScope {
 public:
  explicit ReceivedDataScope(std::span<const std::byte> bytes);
  ~ReceivedDataScope();
  ReceivedDataScope(const ReceivedDataScope&) = delete;
  ReceivedDataScope& operator=(const ReceivedDataScope&) = delete;
  bool Accepted() const { return accepted_; }

 private:
  friend std::span<const std::byte> ReceivedData();
  friend void AcceptReceivedData();
  std::span<const std::byte> bytes_;
  bool accepted_ = false;
  ReceivedDataScope* outer_;
};

}  // namespace pellomi
