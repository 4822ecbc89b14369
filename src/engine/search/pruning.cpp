#include "engine/search/pruning.h"

void staticThreatPruning() {}  // filled by the search work
