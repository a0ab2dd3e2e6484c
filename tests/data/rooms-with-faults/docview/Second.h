#pragma once
#include "docview/First.h"
