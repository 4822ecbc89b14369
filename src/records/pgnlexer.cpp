#include "records/pgnlexer.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }
bool isNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}
// Characters that end a symbol: blanks and the characters with a meaning of their own.
bool endsSymbol(char c) {
  return isBlank(c) || c == '{' || c == '}' || c == '(' || c == ')' || c == ';' || c == '[' || c == '$';
}

size_t skipBlanks(std::string_view s, size_t i) {
  while (i < s.size() && isBlank(s[i])) ++i;
  return i;
}

// Appends comment text with its runs of blanks (and line ends) as one blank.
void appendWords(std::string& out, std::string_view text) {
  for (char c : text) {
    if (isBlank(c)) {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
}

void trimTrailingBlank(std::string& s) {
  if (!s.empty() && s.back() == ' ') s.pop_back();
}

// The tag pair starting at text[at] == '[': where its value's quotes are and
// where it ends, or false when it is not closed on this line. A quote inside
// the value is written \" by the standard; files of the program's earlier
// versions wrote it bare, so when the closing quote is not followed by "]"
// the value runs to the last quote that is.
struct TagShape {
  size_t nameAt = 0, nameEnd = 0, valueAt = 0, valueEnd = 0, end = 0;
};
bool tagShape(std::string_view s, size_t at, TagShape& out) {
  size_t i = skipBlanks(s, at + 1);
  out.nameAt = i;
  while (i < s.size() && isNameChar(s[i])) ++i;
  out.nameEnd = i;
  if (out.nameEnd == out.nameAt) return false;
  i = skipBlanks(s, i);
  if (i >= s.size() || s[i] != '"') return false;
  out.valueAt = ++i;
  while (i < s.size() && s[i] != '"') i += s[i] == '\\' ? 2 : 1;
  if (i >= s.size()) return false;
  size_t close = skipBlanks(s, i + 1);
  if (close < s.size() && s[close] == ']') {
    out.valueEnd = i;
    out.end = close + 1;
    return true;
  }
  for (size_t q = s.find('"', i + 1); q != std::string_view::npos; q = s.find('"', q + 1)) {
    close = skipBlanks(s, q + 1);
    if (close < s.size() && s[close] == ']') {
      out.valueEnd = q;
      out.end = close + 1;
      return true;
    }
  }
  return false;
}

}  // namespace

bool isWholeTagLine(std::string_view line) {
  const size_t at = skipBlanks(line, 0);
  TagShape t;
  return at < line.size() && line[at] == '[' && tagShape(line, at, t) && skipBlanks(line, t.end) == line.size();
}

void PgnLexer::endComment(PgnTokenSink& sink, bool unclosed) {
  trimTrailingBlank(comment_);
  PgnToken t;
  t.kind = PgnTokenKind::comment;
  t.text = comment_;
  t.offset = commentStart_;
  t.unclosed = unclosed;
  inBrace_ = false;
  sink.token(t);
  comment_.clear();
}

size_t PgnLexer::tagAt(std::string_view s, size_t at, uint64_t offset, PgnTokenSink& sink) {
  PgnToken t;
  t.offset = offset + at;
  TagShape shape;
  if (!tagShape(s, at, shape)) {
    t.kind = PgnTokenKind::brokenTag;
    t.text = s.substr(at);
    sink.token(t);
    return s.size();
  }
  value_.clear();
  for (size_t i = shape.valueAt; i < shape.valueEnd; ++i) {
    if (s[i] == '\\' && i + 1 < shape.valueEnd) ++i;
    value_ += s[i];
  }
  t.kind = PgnTokenKind::tag;
  t.text = s.substr(shape.nameAt, shape.nameEnd - shape.nameAt);
  t.value = value_;
  sink.token(t);
  return shape.end;
}

void PgnLexer::line(std::string_view s, uint64_t offset, PgnTokenSink& sink) {
  size_t i = 0;
  if (inBrace_) {
    if (isWholeTagLine(s)) {
      endComment(sink, true);
    } else {
      const size_t close = s.find('}');
      if (close == std::string_view::npos) {
        if (keepComments_) {
          appendWords(comment_, s);
          if (!comment_.empty() && comment_.back() != ' ') comment_ += ' ';
        }
        return;
      }
      if (keepComments_) appendWords(comment_, s.substr(0, close));
      endComment(sink, false);
      i = close + 1;
    }
  } else if (!s.empty() && s[0] == '%') {
    return;  // an escape line: for other programs, no part of any game
  }
  if (skipBlanks(s, 0) == s.size() && i == 0) {
    PgnToken t;
    t.kind = PgnTokenKind::blank;
    t.offset = offset;
    sink.token(t);
    return;
  }
  while (i < s.size()) {
    const char c = s[i];
    if (isBlank(c)) {
      ++i;
      continue;
    }
    PgnToken t;
    t.offset = offset + i;
    switch (c) {
      case '{': {
        commentStart_ = offset + i;
        inBrace_ = true;
        const size_t close = s.find('}', i + 1);
        if (close == std::string_view::npos) {
          if (keepComments_) {
            appendWords(comment_, s.substr(i + 1));
            if (!comment_.empty() && comment_.back() != ' ') comment_ += ' ';
          }
          return;
        }
        if (keepComments_) appendWords(comment_, s.substr(i + 1, close - i - 1));
        endComment(sink, false);
        i = close + 1;
        continue;
      }
      case ';':
        commentStart_ = offset + i;
        if (keepComments_) appendWords(comment_, s.substr(i + 1));
        endComment(sink, false);
        return;
      case '[': i = tagAt(s, i, offset, sink); continue;
      case '(':
      case ')':
      case '}':
        t.kind = c == '(' ? PgnTokenKind::open : c == ')' ? PgnTokenKind::close : PgnTokenKind::strayBrace;
        t.text = s.substr(i, 1);
        sink.token(t);
        ++i;
        continue;
      case '$': {
        size_t j = i + 1;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
        if (j > i + 1) {
          t.kind = PgnTokenKind::nag;
          t.text = s.substr(i, j - i);
          sink.token(t);
          i = j;
          continue;
        }
        break;
      }
      default: break;
    }
    size_t j = i + 1;
    while (j < s.size() && !endsSymbol(s[j])) ++j;
    t.kind = PgnTokenKind::symbol;
    t.text = s.substr(i, j - i);
    sink.token(t);
    i = j;
  }
}

void PgnLexer::finish(PgnTokenSink& sink) {
  if (inBrace_) endComment(sink, true);
}
