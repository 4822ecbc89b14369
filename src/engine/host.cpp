#include "engine/host.h"

namespace {
EngineHost quietHost;
EngineHost* current = &quietHost;
}  // namespace

void setEngineHost(EngineHost* host) { current = host ? host : &quietHost; }
EngineHost& engineHost() { return *current; }
