// Static threat pruning of a freshly made position inside the main search.
#pragma once

// Record ply has just been made and scored; may set its evalstatus to final.
void staticThreatPruning();
