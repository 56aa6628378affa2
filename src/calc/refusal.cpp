#include "calc/refusal.h"
