#pragma once
// The value passed to and from runtime commands: a 64-bit payload plus a kind code.
// A pointer payload is held whole (on 64-bit Windows it does not fit the low half).
#include <cstdint>
#include <cstring>

namespace pellomi {

enum class ValueKind : std::uint32_t {
  kAbsent = 0,
  kByte = 0x80000101u,
  kShort = 0x80000201u,
  kInteger = 0x80000301u,
  kLong = 0x80000401u,
  kFloat = 0x80000501u,
  kDouble = 0x80000601u,
  kBoolean = 0x80000002u,
  kDateTime = 0x80000003u,
  kText = 0x80000004u,
  kByteArray = 0x80000005u,
};

// Bit 29 of a kind code marks an array of that kind.
inline constexpr std::uint32_t kArrayFlag = 0x20000000u;

struct TypedValue {
  std::uint64_t payload = 0;
  std::uint32_t kind = 0;

  std::uint32_t Low() const { return static_cast<std::uint32_t>(payload); }
  std::uint32_t High() const { return static_cast<std::uint32_t>(payload >> 32); }
  std::int32_t AsInt() const { return static_cast<std::int32_t>(Low()); }
  bool AsBool() const { return Low() != 0; }
  double AsDouble() const {
    double d;
    std::memcpy(&d, &payload, sizeof d);
    return d;
  }
  float AsFloat() const {
    float f;
    std::uint32_t low = Low();
    std::memcpy(&f, &low, sizeof f);
    return f;
  }
  const void* AsPointer() const {
    return reinterpret_cast<const void*>(static_cast<std::uintptr_t>(payload));
  }
  const char* AsText() const { return static_cast<const char*>(AsPointer()); }
  bool Is(ValueKind k) const { return kind == static_cast<std::uint32_t>(k); }

  static TypedValue Absent() { return {}; }
  static TypedValue Integer(std::int32_t v) {
    return {static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(ValueKind::kInteger)};
  }
  static TypedValue Boolean(bool v) {
    return {v ? 1u : 0u, static_cast<std::uint32_t>(ValueKind::kBoolean)};
  }
  static TypedValue OfDouble(double v, ValueKind k = ValueKind::kDouble) {
    TypedValue t;
    std::memcpy(&t.payload, &v, sizeof v);
    t.kind = static_cast<std::uint32_t>(k);
    return t;
  }
  static TypedValue DateTime(double v) { return OfDouble(v, ValueKind::kDateTime); }
  static TypedValue Pointer(const void* p, ValueKind k) {
    return {static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p)),
            static_cast<std::uint32_t>(k)};
  }
  static TypedValue Text(const char* text) { return Pointer(text, ValueKind::kText); }
  // A reference to a unit: WindowId in the low half, UnitId in the high half.
  static TypedValue UnitRef(std::uint32_t windowId, std::uint32_t unitId, std::uint32_t kindCode) {
    return {static_cast<std::uint64_t>(windowId) | (static_cast<std::uint64_t>(unitId) << 32),
            kindCode};
  }
};

// The runtime command convention: argument count, argument array, one result.
using RuntimeCommand = void (*)(int argCount, const TypedValue* args, TypedValue* result);

}  // namespace pellomi
