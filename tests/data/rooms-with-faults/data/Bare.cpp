// A reader that names a header without its folder.
#include "Window.h"
