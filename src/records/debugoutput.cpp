#include "records/debugoutput.h"

#include "text/output.h"

namespace {
bool wanted = false;
}  // namespace

void setDebugOutput(bool on) { wanted = on; }
bool debugOutput() { return wanted; }

void debugLine(const std::string& text) {
  if (wanted) scrivilinea("# " + text);
}
