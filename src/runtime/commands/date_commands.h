#pragma once
// The date and text conversions as runtime commands: an argument count, the arguments and one
// result. Missing arguments count as absent values.
#include "values/typed_value.h"

namespace pellomi {

// (text or date-time) -> date-time
void TextToDateTimeCommand(int argCount, const TypedValue* args, TypedValue* result);
// () -> date-time
void CurrentDateTimeCommand(int argCount, const TypedValue* args, TypedValue* result);
// (time1, time2 as doubles, unit as a 32-bit integer) -> double
void DateTimeIntervalCommand(int argCount, const TypedValue* args, TypedValue* result);
// (double) -> integer
void FloorWithToleranceCommand(int argCount, const TypedValue* args, TypedValue* result);
// (any value) -> text, owned by the caller; null when empty
void ValueToTextCommand(int argCount, const TypedValue* args, TypedValue* result);

}  // namespace pellomi
