#include "core/numtext.h"
