#include "records/pgngame.h"

#include <cstring>

#include "records/pgnlexer.h"

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  return true;
}

constexpr const char* KNOWNTAGS[] = {"Event", "Site", "Date", "Round", "White", "Black", "Result", "FEN", "SetUp"};

// Evaluation signs written as words of their own, and the glyphs the
// standard gives them.
struct SignGlyph {
  const char* sign;
  const char* glyph;
};
constexpr SignGlyph SIGNS[] = {
    {"!", "$1"},       {"?", "$2"},    {"!!", "$3"},      {"??", "$4"},          {"!?", "$5"},        {"?!", "$6"},
    {"=", "$10"},      {"~", "$13"},   {"\u221e", "$13"}, {"+=", "$14"},         {"+/=", "$14"},      {"\u2a72", "$14"},
    {"=+", "$15"},     {"=/+", "$15"}, {"\u2a71", "$15"}, {"+/-", "$16"},        {"\xC2\xB1", "$16"}, {"-/+", "$17"},
    {"\u2213", "$17"}, {"+-", "$18"},  {"-+", "$19"},     {"\xE2\x96\xA1", "$7"}};

const char* glyphOfSign(std::string_view w) {
  for (const SignGlyph& s : SIGNS)
    if (w == s.sign) return s.glyph;
  return nullptr;
}

// A word made only of evaluation-sign characters: never a move. A word of
// dashes alone is a null move, which is one.
bool isEvaluationSign(std::string_view w) {
  bool onlyDashes = true;
  for (char ch : w) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c != '-') onlyDashes = false;
    if (c >= 0x80) continue;
    if (!std::strchr("!?=+-/~", c)) return false;
  }
  return !onlyDashes;
}

// A comment in braces; a "}" in a rest-of-line comment would end it early.
std::string braced(std::string_view text) {
  std::string out = "{";
  for (char c : text) out += c == '}' ? ')' : c;
  return out + "}";
}

class GameReader : public PgnTokenSink {
 public:
  PgnGame game;

  void token(const PgnToken& t) override {
    if (game.problem != StopReason::none) return;
    if (depth_ > 0) return inVariation(t);
    switch (t.kind) {
      case PgnTokenKind::tag:
        if (!resultSeen_) game.tags.push_back({standardTagName(t.text), std::string(t.value)});
        break;
      case PgnTokenKind::brokenTag:
        if (!resultSeen_) stop(StopReason::brokenTag, std::string(t.text));
        break;
      case PgnTokenKind::comment:
        if (t.unclosed) {
          if (!resultSeen_) stop(StopReason::openComment, "{");
        } else if (!t.text.empty()) {
          slot().push_back(braced(t.text));
        }
        break;
      case PgnTokenKind::nag:
        if (!resultSeen_) slot().emplace_back(t.text);
        break;
      case PgnTokenKind::open:
        if (resultSeen_) break;
        depth_ = 1;
        variation_ = "(";
        break;
      case PgnTokenKind::close:
      case PgnTokenKind::strayBrace:
        if (!resultSeen_) stop(StopReason::strayClose, "");
        break;
      case PgnTokenKind::symbol: symbol(t.text); break;
      case PgnTokenKind::blank: break;
    }
  }

  void finish() {
    if (depth_ > 0 && game.problem == StopReason::none) stop(StopReason::openVariation, "(");
  }

 private:
  std::vector<std::string>& slot() { return game.notes.back(); }

  void stop(StopReason why, std::string text) {
    game.problem = why;
    game.problemText = std::move(text);
  }

  void inVariation(const PgnToken& t) {
    auto add = [&](std::string_view piece) {
      if (variation_.back() != '(') variation_ += ' ';
      variation_ += piece;
    };
    switch (t.kind) {
      case PgnTokenKind::open:
        ++depth_;
        add("(");
        break;
      case PgnTokenKind::close:
        --depth_;
        variation_ += ')';
        if (depth_ == 0) slot().push_back(std::move(variation_));
        break;
      case PgnTokenKind::comment:
        if (t.unclosed) return stop(StopReason::openComment, "{");
        add(braced(t.text));
        break;
      case PgnTokenKind::strayBrace: return stop(StopReason::strayClose, "");
      case PgnTokenKind::brokenTag: return stop(StopReason::brokenTag, std::string(t.text));
      case PgnTokenKind::blank:
      case PgnTokenKind::tag: break;
      case PgnTokenKind::nag:
      case PgnTokenKind::symbol: add(t.text); break;
    }
  }

  // A symbol is cut into words the way move numbers are written: "1.e4",
  // "12...Nf6", "exd6e.p." hold a move each.
  void symbol(std::string_view s) {
    std::string w;
    auto flush = [&] {
      if (!w.empty()) word(w);
      w.clear();
    };
    for (size_t i = 0; i < s.size() && game.problem == StopReason::none; ++i) {
      if (s.compare(i, 4, "e.p.") == 0) {
        flush();
        i += 3;
      } else if (s[i] == '.') {
        flush();
      } else {
        w += s[i];
      }
    }
    if (game.problem == StopReason::none) flush();
  }

  void word(const std::string& w) {
    if (isResultText(w)) {
      if (resultSeen_) return stop(StopReason::afterResult, w);
      game.result = w;
      resultSeen_ = true;
      return;
    }
    if (w[0] >= '1' && w[0] <= '9') return;  // a move number
    if (resultSeen_) return stop(StopReason::afterResult, w);
    if (isEvaluationSign(w)) {
      if (const char* glyph = glyphOfSign(w)) slot().emplace_back(glyph);
      return;
    }
    // Judgement marks after the move become their glyphs; check and mate
    // marks stay with the move.
    size_t end = w.size();
    while (end > 0 && std::strchr("!?+#", w[end - 1])) --end;
    std::string move = w.substr(0, end), marks;
    for (size_t i = end; i < w.size(); ++i) (w[i] == '!' || w[i] == '?' ? marks : move) += w[i];
    if (static_cast<int>(game.moves.size()) == MAXTOKENMOSSE) return stop(StopReason::tooLong, w);
    game.moves.push_back(move.empty() ? w : move);
    game.notes.emplace_back();
    if (!marks.empty()) {
      if (const char* glyph = glyphOfSign(marks)) slot().emplace_back(glyph);
    }
  }

  int depth_ = 0;
  std::string variation_;
  bool resultSeen_ = false;
};

}  // namespace

bool isResultText(std::string_view t) { return t == "1-0" || t == "0-1" || t == "1/2-1/2" || t == "*"; }

std::string standardTagName(std::string_view name) {
  for (const char* known : KNOWNTAGS)
    if (sameIgnoringCase(name, known)) return known;
  return std::string(name);
}

const std::string* findTag(const std::vector<PgnTag>& tags, std::string_view name) {
  for (const PgnTag& t : tags)
    if (sameIgnoringCase(t.name, name)) return &t.value;
  return nullptr;
}

PgnGame parsePgnGame(std::string_view text) {
  GameReader reader;
  PgnLexer lexer(true);
  size_t at = 0;
  while (at <= text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    lexer.line(text.substr(at, end - at), at, reader);
    at = end + 1;
  }
  lexer.finish(reader);
  reader.finish();
  return std::move(reader.game);
}
