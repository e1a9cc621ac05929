// Every host test sees fatal runtime reports as FatalRuntimeError exceptions.
#include "common/fatal_error_capture.h"

namespace pellomi {
namespace {

const bool kReportsThrow = (ThrowFatalReports(), true);

}  // namespace
}  // namespace pellomi
