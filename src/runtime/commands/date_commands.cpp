#include "commands/date_commands.h"

#include "commands/date_time.h"
#include "commands/text_to_date_time.h"
#include "commands/value_to_text.h"

namespace pellomi {
namespace {

TypedValue Argument(int argCount, const TypedValue* args, int index) {
  return args != nullptr && index < argCount ? args[index] : TypedValue::Absent();
}

}  // namespace

void TextToDateTimeCommand(int argCount, const TypedValue* args, TypedValue* result) {
  *result = TypedValue::DateTime(TextToDateTime(Argument(argCount, args, 0)));
}

void CurrentDateTimeCommand(int, const TypedValue*, TypedValue* result) {
  *result = TypedValue::DateTime(CurrentDateTime());
}

void DateTimeIntervalCommand(int argCount, const TypedValue* args, TypedValue* result) {
  // The payloads are read as doubles and a 32-bit unit whatever their kind codes say.
  const double time1 = Argument(argCount, args, 0).AsDouble();
  const double time2 = Argument(argCount, args, 1).AsDouble();
  const std::int32_t unit = Argument(argCount, args, 2).AsInt();
  *result = TypedValue::OfDouble(DateTimeInterval(time1, time2, unit));
}

void FloorWithToleranceCommand(int argCount, const TypedValue* args, TypedValue* result) {
  *result = TypedValue::Integer(FloorWithTolerance(Argument(argCount, args, 0).AsDouble()));
}

void ValueToTextCommand(int argCount, const TypedValue* args, TypedValue* result) {
  *result = TypedValue::Text(ValueToText(Argument(argCount, args, 0)));
}

}  // namespace pellomi
