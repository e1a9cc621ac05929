#pragma once
// Test builds only (PELLOMI_HANDLE_CENSUS, set on the tests' own copy of the layers): per kind of
// owning wrapper, what the wrappers hold, so that tests can show that nothing leaks and can look
// at the last handle taken. The program is built without it.
namespace pellomi::platform {

// Only the user-interface thread makes these objects, so plain counters do.
template <typename Traits>
struct HandleCensus {
  static inline long live = 0;      // held by wrappers right now
  static inline long acquired = 0;  // ever taken into a wrapper
  static inline typename Traits::Handle last{};

  static void Acquired(typename Traits::Handle handle) {
    ++live;
    ++acquired;
    last = handle;
  }
  static void GivenUp() { --live; }
};

// The census of one wrapper type: CensusOf<UniqueRegion>::live.
template <typename Unique>
using CensusOf = HandleCensus<typename Unique::Traits>;

}  // namespace pellomi::platform
