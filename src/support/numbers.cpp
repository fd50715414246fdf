#include "support/numbers.h"
