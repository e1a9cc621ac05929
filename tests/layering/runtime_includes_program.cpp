// Compiled with the runtime layer's include roots only: the program's header must not be found.
#include "template/countdown_units.h"
