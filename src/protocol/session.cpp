#include "protocol/session.h"

#include "engine/search/clock.h"
#include "engine/search/searchstate.h"

std::deque<std::string> deferred;

namespace {

ProtocolHooks hooks;
bool quitRequested = false;
bool abandoned = false;
int shownIterations = 0;

}  // namespace

void setProtocolHooks(ProtocolHooks h) { hooks = std::move(h); }

void endSearch(bool abandon) {
  searchDeadline = 1;
  if (abandon) abandoned = true;
}

bool searchAbandoned() { return abandoned; }

void beginSearch(UrgentLine actsAtOnce, UrgentLine startsSearch) {
  abandoned = false;
  shownIterations = 0;
  // One read can hold both the command that starts the search and the one
  // that stops it ("go" and "stop"): the second must not wait for the first.
  // A line that starts a search of its own ends the look-ahead: what
  // follows it ("stop" after a second "go") belongs to that search.
  for (auto it = deferred.begin(); it != deferred.end();) {
    if (*it == OVERLONG) {
      ++it;
      continue;
    }
    const bool next = startsSearch(*it);
    if (actsAtOnce(*it)) {
      it = deferred.erase(it);
    } else {
      ++it;
    }
    if (next) break;
  }
}

bool showIteration() {
  if (shownIterations > 0 && deadlinePassed()) return false;
  ++shownIterations;
  return true;
}

void announceFrontEnd() {
  if (hooks.onXboard) hooks.onXboard();
}

void requestQuit() {
  quitRequested = true;
  searchDeadline = 1;
  if (hooks.onQuit) hooks.onQuit();
}

bool protocolQuit() { return quitRequested; }

void muovisubito1Click() { searchDeadline = 1; }

void resetSession() {
  deferred.clear();
  quitRequested = false;
  abandoned = false;
  shownIterations = 0;
}
