#pragma once
#include "docview/Second.h"
