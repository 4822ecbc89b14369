#include "records/book.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/position/position.h"
#include "engine/toolkit.h"
#include "records/pgnfen.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "text/Textrout.h"
#include "text/namevalue.h"

std::vector<std::string> listabook;
std::vector<std::string> propostebook;

namespace {

constexpr uint32_t MINOR_PROMOTIONS = MV_PROMO_N | MV_PROMO_R | MV_PROMO_B;

char squareChar(int sq) { return static_cast<char>(48 + sq); }

// The result letter of a book line: the text after its first comma.
char resultLetter(std::string_view line) {
  const size_t comma = line.find(',');
  if (comma == std::string_view::npos) return 0;
  std::string_view rest = line.substr(comma + 1);
  const size_t next = rest.find(',');
  if (next != std::string_view::npos) rest = rest.substr(0, next);
  while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  return rest.size() == 1 ? rest[0] : 0;
}

void count(tcandidato& c, char letter) {
  if (letter == 'B')
    ++c.vintebianco;
  else if (letter == 'N')
    ++c.vintenero;
  else
    ++c.patte;
  const double games = c.partite();
  c.punteggio = static_cast<float>((c.vintebianco + c.patte / 2.0) / games);
}

// A percentage given in hundredths, with the fewest digits: 3333 -> 33.33,
// 5000 -> 50, 3350 -> 33.5.
std::string hundredths(uint64_t k) {
  std::string s = std::to_string(k / 100);
  const unsigned rest = static_cast<unsigned>(k % 100);
  if (rest != 0) {
    s += '.';
    s += static_cast<char>('0' + rest / 10);
    if (rest % 10 != 0) s += static_cast<char>('0' + rest % 10);
  }
  return s;
}

bool lessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

char letterOfResult(std::string_view result) {
  if (result == "1-0") return 'B';
  if (result == "0-1") return 'N';
  if (result == "1/2-1/2") return 'X';
  return 0;
}

std::string chiavelibro(int n) {
  const tpartita& g = partita;
  if (n > g.count) n = g.count;
  if (n > MAXGAMEMOVES) n = MAXGAMEMOVES;
  std::string key;
  key.reserve(static_cast<size_t>(n > 0 ? 2 * n : 0));
  for (int i = 0; i < n; ++i) {
    // Ordering-score bits of a stored code are not part of the move.
    const uint32_t m = g.moves[i] & MV_MOVE;
    if (m == 0 || (m & MINOR_PROMOTIONS) != 0) break;
    key += squareChar(mvFrom(m));
    key += squareChar(mvTo(m));
  }
  return key;
}

uint32_t mossadalibro(std::string_view pair) {
  if (pair.size() != 2) return 0;
  const int from = static_cast<unsigned char>(pair[0]) - 48;
  const int to = static_cast<unsigned char>(pair[1]) - 48;
  if (from < 0 || from > 63 || to < 0 || to > 63 || from == to) return 0;
  const tposizione& p = posizioni[0];
  const int piece = p.board[from];
  const int sign = p.side == BLACK ? -1 : 1;
  if (piece * sign <= 0 || p.board[to] * sign > 0) return 0;
  uint32_t move = mvMake(from, to);
  if (p.board[to] != 0) move |= MV_CAPTURE;
  if (std::abs(piece) == PAWN) {
    if (fileOf(from) != fileOf(to)) move |= MV_CAPTURE;
    if (rankOf(to) == 0 || rankOf(to) == 7) move |= MV_PROMO_Q;
  }
  return move;
}

void cercacandidati(tcandidati& t) {
  t.n = 0;
  const int n = partita.current;
  if (n < 0 || n >= profonditalibro) return;
  if (!partita.startfen.empty()) return;
  const std::string key = chiavelibro(n);
  const size_t len = static_cast<size_t>(2 * n);
  if (key.size() != len) return;
  for (const std::string& line : listabook) {
    if (line.size() < len + 2 || line.compare(0, len, key) != 0) continue;
    if (line[len] == ',') continue;  // the game ended here
    const char letter = resultLetter(line);
    if (letter != 'B' && letter != 'N' && letter != 'X') continue;
    const uint32_t move = mossadalibro(std::string_view(line).substr(len, 2));
    if (move == 0) continue;
    int i = 0;
    while (i < t.n && t.voci[i].mossa != move) ++i;
    if (i == t.n) {
      if (t.n == MAXCANDIDATI) continue;
      t.voci[t.n++] = tcandidato{};
      t.voci[i].mossa = move;
    }
    count(t.voci[i], letter);
  }
}

int pesocandidato(const tcandidati& t, int i, int side) {
  if (i < 0 || i >= t.n) return 0;
  uint64_t total = 0;
  for (int k = 0; k < t.n; ++k) total += t.voci[k].partite();
  if (total == 0) return 0;
  // The float score against thresholds held in double precision: 1/5 is
  // stored just above 0.2 and 4/5 just above 0.8.
  const double score = t.voci[i].punteggio;
  const bool passes = side == BLACK ? score < 0.8 : score > 0.2;
  if (!passes) return 0;
  return static_cast<int>(100 * static_cast<uint64_t>(t.voci[i].partite()) / total);
}

uint32_t trovamossadabook(bool show) {
  static tcandidati t;  // about 2 KB; kept off the stack of a nested caller
  cercacandidati(t);
  if (show) {
    propostebook.clear();
    propostebook.push_back(" " + testo("P_BOOKSTAT"));
    uint64_t total = 0;
    for (int i = 0; i < t.n; ++i) total += t.voci[i].partite();
    for (int i = 0; i < t.n; ++i) {
      const tcandidato& c = t.voci[i];
      const uint64_t games = c.partite();
      const uint64_t share = games * 10000 / total;
      // The score shown from the counts themselves, so that 7 of 10 shows 70.
      const uint64_t score = (2 * uint64_t{c.vintebianco} + c.patte) * 10000 / (2 * games);
      propostebook.push_back(allineasinistra(mossalunga(c.mossa), 10) + allineasinistra(hundredths(share), 9) + "% " +
                             allineasinistra(hundredths(score), 9) + "% ");
    }
    return 0;
  }
  if (t.n == 0) return 0;
  const int side = posizioni[0].side == BLACK ? BLACK : WHITE;
  uint32_t draws[MAXCANDIDATI + 1];
  int size = 0;
  for (int i = 0; i < t.n; ++i) {
    const int weight = pesocandidato(t, i, side);
    for (int w = 0; w < weight && size < MAXCANDIDATI + 1; ++w) draws[size++] = t.voci[i].mossa;
  }
  if (size == 0) return 0;
  return draws[casuale(size)];
}

std::string mossalunga(uint32_t move) {
  const tposizione& p = posizioni[0];
  const int from = mvFrom(move), to = mvTo(move);
  std::string s;
  switch (std::abs(p.board[from])) {
    case KNIGHT: s += 'N'; break;
    case BISHOP: s += 'B'; break;
    case ROOK: s += 'R'; break;
    case QUEEN: s += 'Q'; break;
    case KING: s += 'K'; break;
    default: break;
  }
  s += static_cast<char>('a' + fileOf(from));
  s += static_cast<char>('1' + rankOf(from));
  s += (move & MV_CAPTURE) ? 'x' : '-';
  s += static_cast<char>('a' + fileOf(to));
  s += static_cast<char>('1' + rankOf(to));
  if (move & MV_PROMO_Q)
    s += 'Q';
  else if (move & MV_PROMO_N)
    s += 'N';
  else if (move & MV_PROMO_R)
    s += 'R';
  else if (move & MV_PROMO_B)
    s += 'B';
  return s;
}

BookBuildReport lastBookBuild;

std::string bookSkipText(const BookBuildReport& r) {
  const int skipped = r.stopped + r.noResult + r.setUp + r.tooShort;
  std::string s = testo("P_BOOKSKIPPED") + ": " + std::to_string(skipped);
  if (skipped == 0) return s;
  std::string parts;
  auto part = [&](int n, const char* key) {
    if (n == 0) return;
    if (!parts.empty()) parts += ", ";
    parts += std::to_string(n) + " " + testo(key);
  };
  part(r.stopped, "P_SKIPSTOPPED");
  part(r.noResult, "P_SKIPRESULT");
  part(r.setUp, "P_SKIPSETUP");
  part(r.tooShort, "P_SKIPSHORT");
  return s + " (" + parts + ")";
}

bool scrivibook(const std::string& path, std::string& errore) {
  std::stable_sort(listabook.begin(), listabook.end(), lessNoCase);
  return scrivirighe(path, listabook, errore);
}

bool leggibook(const std::string& path, std::string& errore) {
  std::vector<std::string> lines;
  if (!leggirighefile(path, lines, errore)) return false;
  lines.erase(std::remove_if(lines.begin(), lines.end(), [](const std::string& l) { return trimspazi(l).empty(); }),
              lines.end());
  listabook = std::move(lines);
  return true;
}

std::string bookFile() {
  const std::string own = userDataFolder() + NOMEBOOK;
  std::error_code ec;
  return std::filesystem::is_regular_file(own, ec) ? own : cartella + NOMEBOOK;
}

bool caricabook() {
  std::string errore;
  if (leggibook(bookFile(), errore)) return true;
  listabook.clear();
  std::fprintf(stderr, "Zefiran_3D: %s; playing without an opening book\n", errore.c_str());
  return false;
}
