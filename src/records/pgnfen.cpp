#include "records/pgnfen.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"
#include "records/notation.h"
#include "records/verifylog.h"
#include "settings/language.h"
#include "text/Textrout.h"
#include "text/namevalue.h"

std::vector<std::string> filepgn;
std::vector<std::string> indicepartite;

namespace {

// Markers the cleaning leaves where it had to cut the movetext; they are
// control characters, which no move text holds.
// The largest move number a saved game starts from.
constexpr int MAXFULLMOVE = 100000;

constexpr char OPEN_COMMENT_MARK = '\x01';
constexpr char OPEN_VARIATION_MARK = '\x02';
constexpr char STRAY_CLOSE_MARK = '\x03';

// A tag line: its first non-blank character is "[".
bool isTagLine(const std::string& line) {
  const size_t at = line.find_first_not_of(" \t");
  return at != std::string::npos && line[at] == '[';
}

// A whole tag pair on its line: [Name "value"]. Inside an open brace comment
// only such a line ends the game, so that a comment line starting with "["
// stays in its comment, while a game whose comment is never closed does not
// swallow the games after it.
bool isTagPair(const std::string& line) {
  size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos || line[i] != '[') return false;
  const size_t name = ++i;
  while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) || line[i] == '_')) ++i;
  if (i == name) return false;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  if (i >= line.size() || line[i] != '"') return false;
  const size_t close = line.rfind(']');
  return close != std::string::npos && close > i && line.find_first_not_of(" \t", close + 1) == std::string::npos;
}

// Whether the line opens the next game's tags, given the brace state left
// by the movetext before it.
bool beginsTags(const std::string& line, bool inBrace) { return isTagLine(line) && (!inBrace || isTagPair(line)); }

void readTag(const std::string& line, GameTags& t) {
  const std::string u = maiuscolo(line);
  const std::string value = tradelimitatori(line, '"');
  auto has = [&](const char* name) { return u.find(name) != std::string::npos; };
  if (has("[WHITE "))
    t.white = value;
  else if (has("[BLACK "))
    t.black = value;
  else if (has("[RESULT")) {
    t.result = value;
    t.hasResult = true;
  } else if (has("[FEN"))
    t.fen = value;
  else if (has("[EVENT "))
    t.event = value;
  else if (has("[SITE "))
    t.site = value;
  else if (has("[DATE "))
    t.date = value;
  else if (has("[ROUND "))
    t.round = value;
}

// One movetext line as it joins the others: tabs become blanks, a line
// starting with "%" is an escape line and gives nothing, and ";" outside a
// brace comment comments out the rest of the line. inBrace carries the
// brace state from line to line.
std::string movetextLine(const std::string& line, bool& inBrace) {
  if (!inBrace && !line.empty() && line[0] == '%') return {};
  std::string out;
  out.reserve(line.size());
  for (char c : line) {
    if (c == '\t') c = ' ';
    if (inBrace) {
      if (c == '}') inBrace = false;
    } else if (c == '{') {
      inBrace = true;
    } else if (c == ';') {
      break;
    }
    out += c;
  }
  return trimspazi(out);
}

// Removes every bracketed stretch open..close (nested ones whole), leaving a
// blank for each. An unmatched opening bracket, or a closing one without its
// opening, cuts the text there and leaves the marker of what went wrong.
std::string removeBracketed(const std::string& s, char open, char close, bool nested, char unclosedMark) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == close) {
      out += ' ';
      out += STRAY_CLOSE_MARK;
      break;
    }
    if (c != open) {
      out += c;
      continue;
    }
    int depth = 1;
    size_t j = i + 1;
    for (; j < s.size(); ++j) {
      if (nested && s[j] == open) ++depth;
      if (s[j] == close && --depth == 0) break;
    }
    if (j >= s.size()) {
      out += ' ';
      out += unclosedMark;
      break;
    }
    out += ' ';
    i = j;
  }
  return out;
}

void replaceAll(std::string& s, std::string_view what, std::string_view with) {
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + with.size()))
    s.replace(p, what.size(), with);
}

bool isFile(char c) { return c >= 'a' && c <= 'h'; }
bool isRank(char c) { return c >= '1' && c <= '8'; }

// Evaluation signs written as words of their own (!?, +-, =, ±): never a
// move. A word of dashes alone is a null move, which is not skipped.
bool isAnnotation(std::string_view w) {
  bool onlyDashes = true;
  for (char ch : w) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c != '-') onlyDashes = false;
    if (c >= 0x80) continue;
    if (!std::strchr("!?=+-/~", c)) return false;
  }
  return !onlyDashes;
}

uint32_t promotionOf(char c) {
  switch (c) {
    case 'Q':
    case 'q': return MV_PROMO_Q;
    case 'N':
    case 'n': return MV_PROMO_N;
    case 'R':
    case 'r': return MV_PROMO_R;
    case 'B':
    case 'b': return MV_PROMO_B;
    default: return 0;
  }
}

// The moves of record 0 that make-move accepts.
int legalRootMoves(uint32_t (&out)[MAXMOVES]) {
  ply = 1;
  const int n = generamosse(false);
  uint32_t generated[MAXMOVES];
  for (int i = 1; i <= n && i < MAXMOVES; ++i) generated[i] = listamosse[1][i];
  int legal = 0;
  for (int i = 1; i <= n && i < MAXMOVES; ++i) {
    const uint32_t m = generated[i] & MV_MOVE;
    if (m == 0 || m == MV_MARKER) continue;
    ply = 1;
    if (eseguimossa(m, NOEVAL)) out[legal++] = m;
  }
  ply = 1;
  return legal;
}

// A SAN (or long algebraic) text matched against the legal moves by piece,
// destination, promotion and the from-file and from-rank it gives; the
// capture mark is not required. 0 unless exactly one legal move fits.
uint32_t resolveAgainstLegal(std::string_view t) {
  if (t.empty()) return 0;
  int piece = PAWN;
  size_t start = 1;
  switch (t[0]) {
    case 'N': piece = KNIGHT; break;
    case 'B': piece = BISHOP; break;
    case 'R': piece = ROOK; break;
    case 'Q': piece = QUEEN; break;
    case 'K': piece = KING; break;
    case 'P': break;
    default: start = 0; break;
  }
  size_t destAt = std::string_view::npos;
  for (size_t k = t.size(); k-- > start + 1;)
    if (isRank(t[k]) && isFile(t[k - 1])) {
      destAt = k;
      break;
    }
  if (destAt == std::string_view::npos) return 0;
  const int dest = (t[destAt - 1] - 'a') + 8 * (t[destAt] - '1');
  uint32_t promo = 0;
  for (size_t k = destAt + 1; k < t.size(); ++k) {
    if (t[k] == '=') continue;
    const uint32_t p = promotionOf(t[k]);
    if (p == 0 || promo != 0 || piece != PAWN) return 0;
    promo = p;
  }
  int fromfile = -1, fromrank = -1;
  for (size_t k = start; k + 1 < destAt; ++k) {
    const char c = t[k];
    if (isFile(c) && fromfile < 0)
      fromfile = c - 'a';
    else if (isRank(c) && fromrank < 0)
      fromrank = c - '1';
    else if (c != 'x' && c != '-' && c != ':')
      return 0;
  }
  uint32_t legal[MAXMOVES];
  const int n = legalRootMoves(legal);
  const tposizione& p = posizioni[0];
  uint32_t found = 0;
  int matches = 0;
  for (int i = 0; i < n; ++i) {
    const uint32_t m = legal[i];
    const int from = mvFrom(m);
    if (mvTo(m) != dest || std::abs(p.board[from]) != piece || (m & MV_PROMOS) != promo) continue;
    if ((fromfile >= 0 && fileOf(from) != fromfile) || (fromrank >= 0 && rankOf(from) != fromrank)) continue;
    found = m;
    ++matches;
  }
  return matches == 1 ? found : 0;
}

// The SAN reader's code for a normalised token, when it is a legal move of
// record 0; otherwise the legal move the token names unambiguously, or 0.
uint32_t legalMoveFor(uint32_t code, std::string_view t) {
  ply = 1;
  const int n = generamosse(false);
  bool generated = false;
  for (int i = 1; i <= n && i < MAXMOVES && !generated; ++i) generated = (listamosse[1][i] & MV_MOVE) == code;
  if (generated) {
    ply = 1;
    if (eseguimossa(code, NOEVAL)) return code;
  }
  return resolveAgainstLegal(t);
}

}  // namespace

std::string pgnSan(uint32_t move, int p) {
  std::string s = sanWithCheckMark(move, p);
  if (move & MV_PROMOS) {
    size_t at = s.size();
    while (at > 0 && (s[at - 1] == '+' || s[at - 1] == '#')) --at;
    if (at > 0) s.insert(at - 1, "=");
  }
  return s;
}

bool leggirighefile(const std::string& path, std::vector<std::string>& righe, std::string& errore) {
  errore.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    errore = "cannot open " + path + ": " + errorCause(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) {
    errore = "cannot read " + path + ": not a regular file";
    std::fclose(f);
    return false;
  }
  if (st.st_size > MAXFILEPARTITE) {
    errore = "cannot read " + path + ": larger than " + std::to_string(MAXFILEPARTITE) + " bytes";
    std::fclose(f);
    return false;
  }
  std::string data;
  data.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    data.append(buffer, got);
    if (static_cast<long long>(data.size()) > MAXFILEPARTITE) break;
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) {
    errore = "cannot read " + path;
    return false;
  }
  if (static_cast<long long>(data.size()) > MAXFILEPARTITE) {
    errore = "cannot read " + path + ": larger than " + std::to_string(MAXFILEPARTITE) + " bytes";
    return false;
  }
  if (data.find('\0') != std::string::npos) {
    errore = "cannot read " + path + ": not a text file";
    return false;
  }
  righe = dividirighe(data);
  return true;
}

bool aprifilepgn(const std::string& path, std::string& errore) {
  std::vector<std::string> lines;
  if (!leggirighefile(path, lines, errore)) return false;
  filepgn = std::move(lines);
  indicizzapgn();
  return true;
}

void indicizzapgn() {
  indicepartite.clear();
  bool inHeader = false, inBrace = false;
  size_t start = 0;
  GameTags tags;
  auto addEntry = [&] {
    indicepartite.push_back(std::to_string(start) + " " + tags.white + "-" + tags.black + " : " + tags.result);
  };
  for (size_t i = 0; i < filepgn.size(); ++i) {
    const std::string& line = filepgn[i];
    if (!inHeader) {
      if (!beginsTags(line, inBrace)) {
        movetextLine(line, inBrace);
        continue;
      }
      inHeader = true;
      inBrace = false;
      start = i;
      tags = GameTags{};
      readTag(line, tags);
    } else if (isTagLine(line)) {
      readTag(line, tags);
    } else {
      addEntry();
      inHeader = false;
      movetextLine(line, inBrace);
    }
  }
  if (inHeader) addEntry();
}

int rigadiindice(std::string_view entry) { return numero(campo(entry, ' ', 0)); }

std::string puliscimosse(std::string_view movetext, StopReason* problem) {
  if (problem) *problem = StopReason::none;
  std::string s = trimspazi(movetext);
  s = removeBracketed(s, '{', '}', false, OPEN_COMMENT_MARK);
  s = removeBracketed(s, '(', ')', true, OPEN_VARIATION_MARK);
  size_t at = std::string::npos;
  for (const char* result : {"1-0", "0-1", "1/2-1/2", "*"}) {
    at = s.find(result);
    if (at != std::string::npos) break;
  }
  if (at != std::string::npos) s = trimspazi(s.substr(0, at)) + " ";
  // A cut the result token comes before concerns text after the game.
  const size_t mark = s.find_first_of(std::string{OPEN_COMMENT_MARK, OPEN_VARIATION_MARK, STRAY_CLOSE_MARK});
  if (mark != std::string::npos) {
    if (problem)
      *problem = s[mark] == OPEN_COMMENT_MARK     ? StopReason::openComment
                 : s[mark] == OPEN_VARIATION_MARK ? StopReason::openVariation
                                                  : StopReason::strayClose;
    s.resize(mark);
  }
  replaceAll(s, "e.p.", " ");
  for (char& c : s)
    if (c == '.') c = ' ';
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
  return out;
}

std::vector<std::string> tokenmosse(std::string_view pulito, std::string* eccedente) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < pulito.size()) {
    const size_t end = std::min(pulito.find(' ', i), pulito.size());
    const std::string_view w = pulito.substr(i, end - i);
    i = end + 1;
    if (w.empty()) continue;
    const char c = w[0];
    if (c >= '1' && c <= '9') continue;
    if (c == '$' || isAnnotation(w)) continue;
    if (static_cast<int>(tokens.size()) == MAXTOKENMOSSE) {
      if (eccedente) *eccedente = std::string(w);
      break;
    }
    tokens.emplace_back(w);
  }
  return tokens;
}

uint32_t mossadatoken(std::string_view token) {
  if (sanShape(token) != SanShape::wellFormed) return 0;
  const std::string t = normalisedSan(token);
  return legalMoveFor(leggisan(t), t);
}

LoadReport lastLoad;

std::string stopReasonText(StopReason reason) {
  switch (reason) {
    case StopReason::none: return {};
    case StopReason::unknownPiece: return testo("P_STOPPIECE");
    case StopReason::unreadable: return testo("P_STOPUNREADABLE");
    case StopReason::illegal: return testo("P_STOPILLEGAL");
    case StopReason::openComment: return testo("P_STOPCOMMENT");
    case StopReason::openVariation: return testo("P_STOPVARIATION");
    case StopReason::strayClose: return testo("P_STOPCLOSING");
    case StopReason::tooLong: return testo("P_STOPLENGTH");
    case StopReason::badFen: return testo("P_STOPFEN");
  }
  return {};
}

std::string loadReportText(const LoadReport& r) {
  if (r.reason == StopReason::none) return {};
  if (r.reason == StopReason::badFen) return stopReasonText(r.reason) + ": " + r.detail;
  std::string s = testo("P_STOPPEDAT") + " " + std::to_string(r.halfmove);
  if (!r.token.empty()) s += " (" + r.token + ")";
  s += ": " + stopReasonText(r.reason);
  if (!r.detail.empty()) s += ": " + r.detail;
  return s;
}

bool readGameText(int line, PgnGameText& out) {
  out = PgnGameText{};
  if (line < 0 || static_cast<size_t>(line) >= filepgn.size()) return false;
  size_t i = static_cast<size_t>(line);
  for (; i < filepgn.size() && isTagLine(filepgn[i]); ++i) readTag(filepgn[i], out.tags);
  std::string movetext;
  bool inBrace = false;
  for (; i < filepgn.size() && !beginsTags(filepgn[i], inBrace); ++i) {
    movetext += movetextLine(filepgn[i], inBrace);
    movetext += ' ';
  }
  out.tokens = tokenmosse(puliscimosse(movetext, &out.cleaning), &out.beyond);
  return true;
}

std::vector<std::string> pgnLines(const std::vector<std::string>& texts) {
  const tpartita& g = partita;
  std::vector<std::string> lines;
  auto tag = [&](const char* name, std::string_view value) {
    lines.push_back(std::string("[") + name + " \"" + std::string(value) + "\"]");
  };
  tag("EVENT", g.event.view());
  tag("SITE", g.site.view());
  tag("DATE", g.date.view());
  tag("ROUND", g.pgnround.view());
  tag("WHITE", g.whiteplayer.view());
  tag("BLACK", g.blackplayer.view());
  tag("RESULT", g.result.view());
  // Without its start position a set-up game could not be read back.
  if (!g.startfen.empty()) {
    tag("SetUp", "1");  // the name other programs look for
    tag("FEN", g.startfen.view());
  }

  int number = 1;
  bool blackFirst = false;
  startingMove(number, blackFirst);

  std::string line;
  auto add = [&](const std::string& token) {
    if (line.size() + token.size() >= 80) {
      lines.push_back(line);
      line.clear();
    }
    line = trimspazi(line + " " + token);
  };
  for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
    // Half-move i is Black's when the game began with Black to move and i is even.
    const bool black = (i % 2 == 0) == blackFirst;
    if (!black)
      add(std::to_string(number) + ".");
    else if (i == 0)
      add(std::to_string(number) + "...");
    add(texts[i]);
    if (black) ++number;
  }
  // The termination marker ends the movetext, as the standard asks.
  add(g.result.empty() ? std::string("*") : g.result.str());
  lines.push_back(line);
  return lines;
}

void startingMove(int& number, bool& blackFirst) {
  number = 1;
  blackFirst = false;
  if (partita.startfen.empty()) return;
  const std::vector<std::string> f = fenFields(partita.startfen.view());
  if (f.size() > 1) blackFirst = f[1] == "b" || f[1] == "B";
  int n = 0;
  if (f.size() > 5 && readInteger(f[5], n) && n >= 1 && n <= MAXFULLMOVE) number = n;
}

bool salvafen(const std::string& filename, const std::string& fen, std::string& errore) {
  return scrivirighe(filename, {fen}, errore);
}

bool leggifilefen(const std::string& path, std::string& fen, std::string& errore) {
  std::vector<std::string> lines;
  if (!leggirighefile(path, lines, errore)) return false;
  fen.clear();
  for (auto it = lines.rbegin(); it != lines.rend() && fen.empty(); ++it) fen = trimspazi(*it);
  if (fen.empty()) {
    errore = path + " holds no position";
    return false;
  }
  const std::string problem = fenProblem(fen);
  if (!problem.empty()) {
    errore = path + ": " + problem;
    return false;
  }
  return true;
}
