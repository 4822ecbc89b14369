#include "game/gamefiles.h"

#include "engine/position/makemove.h"
#include "game/game.h"
#include "records/notation.h"
#include "records/verifylog.h"
#include "text/Textrout.h"
#include "text/namevalue.h"

esitocaricamento caricapartita(int line, std::string* fallita) {
  lastLoad = LoadReport{};
  if (fallita) fallita->clear();
  PgnGameText text;
  if (!readGameText(line, text)) {
    lastLoad.outcome = esitocaricamento::rifiutata;
    return esitocaricamento::rifiutata;
  }
  const GameTags& tags = text.tags;
  auto stop = [&](esitocaricamento outcome, StopReason reason, const std::string& token, int halfmove) {
    lastLoad.outcome = outcome;
    lastLoad.reason = reason;
    lastLoad.token = token;
    lastLoad.halfmove = halfmove;
    const std::string what = reason == StopReason::badFen ? "FEN: " + lastLoad.detail
                             : token.empty()              ? loadReportText(lastLoad)
                                                          : token;
    listaverifica.push_back(tags.white + " " + tags.black + " " + what);
    if (fallita) *fallita = what;
    return outcome;
  };
  const std::string fen = trimspazi(tags.fen);
  if (!game::setUp(fen, &lastLoad.detail))
    return stop(esitocaricamento::rifiutata, StopReason::badFen, std::string(), 0);

  // The file's result stands for the whole game; the moves are played first,
  // as playing keeps the result in step with the position.
  auto takeTags = [&] {
    game::setPlayerName(true, tags.white);
    game::setPlayerName(false, tags.black);
    tpartita& g = partita;
    g.event = tags.event;
    g.site = tags.site;
    g.date = tags.date;
    g.pgnround = tags.round;
    g.result = tags.hasResult ? tags.result : std::string("*");
  };
  for (const std::string& token : text.tokens) {
    const int next = game::record().count + 1;
    const SanShape shape = sanShape(token);
    if (shape == SanShape::unknownPiece) {
      takeTags();
      return stop(esitocaricamento::interrotta, StopReason::unknownPiece, token, next);
    }
    if (shape == SanShape::unreadable) {
      takeTags();
      return stop(esitocaricamento::interrotta, StopReason::unreadable, token, next);
    }
    if (!game::play(mossadatoken(token))) {
      takeTags();
      return stop(esitocaricamento::interrotta, StopReason::illegal, token, next);
    }
  }
  takeTags();
  const int next = game::record().count + 1;
  if (!text.beyond.empty()) return stop(esitocaricamento::interrotta, StopReason::tooLong, text.beyond, next);
  if (text.cleaning != StopReason::none) {
    const char* bracket = text.cleaning == StopReason::openComment     ? "{"
                          : text.cleaning == StopReason::openVariation ? "("
                                                                       : "";
    return stop(esitocaricamento::interrotta, text.cleaning, bracket, next);
  }
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
