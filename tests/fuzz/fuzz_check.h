#pragma once
// A property a fuzz target asserts: when it fails, the property is printed and the run aborts,
// so that libFuzzer keeps the input as a crash (its report names the target).
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
  }
}

}  // namespace
