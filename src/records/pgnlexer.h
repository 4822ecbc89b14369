// The words of PGN text, read a line at a time so that a file of any size
// can be read as a stream: tag pairs, comments, numeric annotation glyphs,
// the brackets of variations and the symbols (moves, move numbers, results).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class PgnTokenKind {
  tag,         // [Name "value"]: text is the name, value the unescaped value
  brokenTag,   // a "[" whose tag pair is not closed on its line (a cut file, a stray quote)
  comment,     // {...} or ;... : text is the comment's words, unclosed when its "}" never came
  nag,         // $n: text is the whole glyph
  open,        // "("
  close,       // ")"
  strayBrace,  // "}" outside any comment
  symbol,      // anything else between blanks: moves, move numbers, results, evaluation signs
  blank        // a line holding nothing but blanks, outside any comment
};

struct PgnToken {
  PgnTokenKind kind = PgnTokenKind::symbol;
  std::string_view text;
  std::string_view value;
  uint64_t offset = 0;  // where the token starts in the text read
  bool unclosed = false;
};

class PgnTokenSink {
 public:
  virtual void token(const PgnToken& t) = 0;

 protected:
  ~PgnTokenSink() = default;
};

// Views handed to the sink live until the next call to the lexer. Comment
// words are kept only when asked for: the index of a large file does not
// need them.
class PgnLexer {
 public:
  explicit PgnLexer(bool keepComments) : keepComments_(keepComments) {}

  // One line without its line ending, starting at that offset of the text.
  void line(std::string_view text, uint64_t offset, PgnTokenSink& sink);
  // The end of the text: a comment still open is handed over as unclosed.
  void finish(PgnTokenSink& sink);

 private:
  size_t tagAt(std::string_view text, size_t at, uint64_t offset, PgnTokenSink& sink);
  void endComment(PgnTokenSink& sink, bool unclosed);

  bool keepComments_;
  bool inBrace_ = false;
  uint64_t commentStart_ = 0;
  std::string comment_;
  std::string value_;
};

// Whether the line is a whole tag pair and nothing else ([Name "value"]).
// Inside a comment left open only such a line ends it: a comment line that
// starts with "[" stays in its comment, while a comment never closed does
// not swallow the games after it.
bool isWholeTagLine(std::string_view line);
