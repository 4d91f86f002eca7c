#include "keyfile.h"
