#include "core/mortgage.h"
