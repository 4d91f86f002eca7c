#pragma once

// The lower-casing lives with the other character routines in platform/.
#include "lowercase.h"
