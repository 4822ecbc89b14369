#include "graphics/core/lookeffects.h"

LookEffects lookEffects;
