// A reader that reaches up into a window.
#include "output/Window.h"
