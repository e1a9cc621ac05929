#include "values/received_data.h"

namespace pellomi {
namespace {

// The window thread's innermost delivery.
ReceivedDataScope* current = nullptr;

}  // namespace

ReceivedDataScope::ReceivedDataScope(std::span<const std::byte> bytes)
    : bytes_(bytes), outer_(current) {
  current = this;
}

ReceivedDataScope::~ReceivedDataScope() {
  current = outer_;
}

std::span<const std::byte> ReceivedData() {
  return current != nullptr ? current->bytes_ : std::span<const std::byte>{};
}

void AcceptReceivedData() {
  if (current != nullptr) current->accepted_ = true;
}

}  // namespace pellomi
