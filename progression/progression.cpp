#include "progression/progression.h"
