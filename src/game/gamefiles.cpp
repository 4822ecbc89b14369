#include "game/gamefiles.h"

#include <algorithm>
#include <optional>

#include "engine/position/makemove.h"
#include "game/game.h"
#include "records/notation.h"
#include "records/verifylog.h"
#include "text/Textrout.h"
#include "text/namevalue.h"

namespace {

std::string tagValue(const PgnGame& g, const char* name) {
  const std::string* v = findTag(g.tags, name);
  return v ? *v : std::string();
}

// The notes of the half-moves the record took, beside it.
void keepNotes(const PgnGame& text) {
  const tpartita& g = game::record();
  GameNotes notes;
  notes.tags = text.tags;
  notes.startfen = g.startfen.str();
  notes.moves.assign(g.moves, g.moves + g.count);
  for (uint32_t& m : notes.moves) m &= MV_MOVE;
  notes.after.assign(text.notes.begin(), text.notes.begin() + std::min<size_t>(text.notes.size(), g.count + 1));
  gameNotes = std::move(notes);
}

}  // namespace

esitocaricamento caricapartita(int number, std::string* fallita) {
  lastLoad = LoadReport{};
  if (fallita) fallita->clear();
  PgnGame text;
  if (!readGame(number, text)) {
    lastLoad.outcome = esitocaricamento::rifiutata;
    return esitocaricamento::rifiutata;
  }
  const std::string white = tagValue(text, "White"), black = tagValue(text, "Black");
  auto stop = [&](esitocaricamento outcome, StopReason reason, const std::string& token, int halfmove) {
    lastLoad.outcome = outcome;
    lastLoad.reason = reason;
    lastLoad.token = token;
    lastLoad.halfmove = halfmove;
    const std::string what = reason == StopReason::badFen ? "FEN: " + lastLoad.detail
                             : token.empty()              ? loadReportText(lastLoad)
                                                          : token;
    listaverifica.push_back(white + " " + black + " " + what);
    if (fallita) *fallita = what;
    if (outcome != esitocaricamento::rifiutata) keepNotes(text);
    return outcome;
  };
  const std::string fen = trimspazi(tagValue(text, "FEN"));
  // Text without tags whose first word is no move is no game at all: the
  // game on the board stays.
  const bool untagged = text.tags.empty();
  std::optional<game::Snapshot> before;
  if (untagged) before = game::save();
  if (!game::setUp(fen, &lastLoad.detail))
    return stop(esitocaricamento::rifiutata, StopReason::badFen, std::string(), 0);
  auto stopped = [&](StopReason reason, const std::string& token, int next) {
    if (untagged && next == 1) {
      game::restore(*before);
      return stop(esitocaricamento::rifiutata, reason, token, next);
    }
    return stop(esitocaricamento::interrotta, reason, token, next);
  };

  // The file's result stands for the whole game; the moves are played first,
  // as playing keeps the result in step with the position.
  auto takeTags = [&] {
    game::setPlayerName(true, white);
    game::setPlayerName(false, black);
    tpartita& g = partita;
    g.event = tagValue(text, "Event");
    g.site = tagValue(text, "Site");
    g.date = tagValue(text, "Date");
    g.pgnround = tagValue(text, "Round");
    const std::string* result = findTag(text.tags, "Result");
    g.result = result ? *result : text.result.empty() ? std::string("*") : text.result;
  };
  for (const std::string& token : text.moves) {
    const int next = game::record().count + 1;
    SanShape shape;
    const uint32_t move = readMoveToken(token, shape);
    if (shape == SanShape::unknownPiece) {
      takeTags();
      return stopped(StopReason::unknownPiece, token, next);
    }
    if (shape == SanShape::unreadable) {
      takeTags();
      return stopped(StopReason::unreadable, token, next);
    }
    if (!game::playFromFile(move)) {
      takeTags();
      return stopped(StopReason::illegal, token, next);
    }
  }
  takeTags();
  if (text.problem != StopReason::none)
    return stop(esitocaricamento::interrotta, text.problem, text.problemText, game::record().count + 1);
  keepNotes(text);
  lastLoad.outcome = esitocaricamento::completa;
  return esitocaricamento::completa;
}

std::vector<LoadReport> checkGames() {
  const game::Snapshot kept = game::save();
  std::vector<LoadReport> reports;
  reports.reserve(indicepartite.size());
  for (const std::string& entry : indicepartite) {
    caricapartita(rigadiindice(entry));
    reports.push_back(lastLoad);
  }
  game::restore(kept);
  return reports;
}

bool caricafen(const std::string& path, std::string& errore) {
  std::string fen;
  if (!leggifilefen(path, fen, errore)) return false;
  return game::setUp(fen, &errore);
}

std::vector<std::string> sanTexts() {
  const game::Snapshot kept = game::save();
  const int savedPly = ply;
  const tpartita& g = game::record();
  std::vector<std::string> texts;
  game::goTo(0);
  for (int i = 0; i < g.count && i < MAXGAMEMOVES; ++i) {
    const uint32_t m = g.moves[i] & MV_MOVE;
    texts.push_back(pgnSan(m, 0));
    ply = 1;
    if (!eseguimossa(m, NOEVAL)) break;
    posizioni[0] = posizioni[1];
  }
  game::restore(kept);
  ply = savedPly;
  return texts;
}

std::vector<std::string> righepgn() { return pgnLines(sanTexts()); }

bool salvapgn(const std::string& filename, std::string& errore) { return scrivirighe(filename, righepgn(), errore); }
