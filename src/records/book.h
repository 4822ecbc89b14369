// The opening book "book.opn": one line per game, each half-move written as
// two characters (48 + from-square, 48 + to-square), a comma and the result
// letter (B White won, N Black won, X drawn). Looking a position up collects
// the moves that followed the moves played so far in the book's games.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

constexpr const char* NOMEBOOK = "book.opn";
constexpr const char* NOMEBOOKVECCHIO = "book.old";
constexpr int MAXCANDIDATI = 100;

// The lines of the book, as loaded at start-up and extended by building.
extern std::vector<std::string> listabook;
// The lines the last show-mode lookup produced, for the window's list box.
extern std::vector<std::string> propostebook;

// One candidate move of a lookup. The score, (White wins + draws / 2) /
// games from White's point of view, is kept as a 32-bit float.
struct tcandidato {
  uint32_t mossa = 0;
  uint32_t vintebianco = 0, vintenero = 0, patte = 0;
  float punteggio = 0.0f;
  uint32_t partite() const { return vintebianco + vintenero + patte; }
};

struct tcandidati {
  int n = 0;
  tcandidato voci[MAXCANDIDATI];
};

// The key of the first n half-moves of the game record; a promotion to a
// knight, rook or bishop ends it (the book cannot write one).
std::string chiavelibro(int n);

// The move a two-character pair names in the game position: capture flag
// when the target square is occupied or a pawn changes file; a pawn reaching
// the last rank promotes to a queen (the only promotion a key can hold).
// 0 when the pair names no square pair, or no move of the side to move.
uint32_t mossadalibro(std::string_view pair);

// The candidates for the game position at its browse position: every book
// line that begins with the moves played so far and goes on gives the move
// that followed and its result. No candidates at or past the book depth, or
// for a game that began from a set-up position.
void cercacandidati(tcandidati& tabella);

// How many entries of the draw list candidate i gets: trunc(100 x its games
// / all games) when its score passes the filter of the side to move (White:
// above 0.2; Black: below 0.8), else 0.
int pesocandidato(const tcandidati& tabella, int i, int side);

// Choice mode (show false): a move drawn from the candidates by weight, or 0.
// Show mode: propostebook is filled with a heading line and one line per
// candidate (move, share of games, score), and the result is 0.
uint32_t trovamossadabook(bool show);

// The long notation of a move from the game position: Ng1-f3, e5xd6, e7-e8Q.
std::string mossalunga(uint32_t move);

// Progress of a build: games done, games in all, and the label to show.
using tavanzamentobook = std::function<void(int fatte, int totale, const std::string& etichetta)>;

// What the last aggiungipartitebook added and left out, and why.
struct BookBuildReport {
  int added = 0;
  int stopped = 0;   // not read to the end of their movetext (lastLoad says why)
  int noResult = 0;  // a result other than 1-0, 0-1 or 1/2-1/2
  int setUp = 0;     // began from a set-up position
  int tooShort = 0;  // no move left once the last one is dropped
};
extern BookBuildReport lastBookBuild;

// "games left out: 3 (2 not read to the end, 1 too short)" in the current
// language: the line to show after a build.
std::string bookSkipText(const BookBuildReport& report);

// Sorts listabook without regard to letter case and writes it to path, lines
// ended by CR LF, through a temporary file: a failed write leaves the old
// file as it was and gives false with the cause in errore.
bool scrivibook(const std::string& path, std::string& errore);

// The result letter of a game's result: B for 1-0, N for 0-1, X for a
// draw, 0 for anything else.
char letterOfResult(std::string_view result);

// Reads a book file into listabook (empty lines left out). On failure the
// list is left as it was and errore says why.
bool leggibook(const std::string& path, std::string& errore);

// The book start-up reads: the user's own, userDataFolder() + "book.opn",
// when it exists, else the shipped one, cartella + "book.opn".
std::string bookFile();

// Start-up: bookFile(). A missing or unreadable book gives an empty book and
// one line on standard error; the result says whether a book was read.
bool caricabook();
