#pragma once
#include "docview/Document.h"
