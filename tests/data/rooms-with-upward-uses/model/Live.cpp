// A room the build does not know.
#include "data/Record.h"
