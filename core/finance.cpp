#include "core/finance.h"
