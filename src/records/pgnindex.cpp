#include "records/pgnindex.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "records/pgnlexer.h"
#include "text/Textrout.h"
#include "text/namevalue.h"

std::vector<std::string> indicepartite;

namespace {

// What one read of the file takes; lines longer than this are cut into
// pieces of this size, so that no file, however written, fills the memory.
constexpr size_t READSIZE = 1u << 20;
constexpr size_t MAXLINE = 4u << 20;

struct Descriptor {
  int fd = -1;
  Descriptor() = default;
  explicit Descriptor(int d) : fd(d) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor(Descriptor&& o) noexcept : fd(o.fd) { o.fd = -1; }
  Descriptor& operator=(Descriptor&& o) noexcept {
    std::swap(fd, o.fd);
    return *this;
  }
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// The open file (or text), and where each of its games starts; the last
// offset is the end of the text.
struct OpenGames {
  Descriptor file;
  std::string text;
  bool inMemory = true;
  std::vector<uint64_t> starts{0};
};
OpenGames current;

class Splitter : public PgnTokenSink {
 public:
  std::vector<std::string> entries;
  std::vector<uint64_t> starts;

  void token(const PgnToken& t) override {
    switch (t.kind) {
      case PgnTokenKind::tag:
      case PgnTokenKind::brokenTag: {
        // A tag the section holds already starts the next game only past a
        // blank line: within one block of tags it is a slip of the writer.
        const bool repeated = t.kind == PgnTokenKind::tag && phase_ == Phase::tags && blankInTags_ && hasName(t.text);
        if (phase_ != Phase::tags || repeated) startGame(t.offset);
        blankInTags_ = false;
        if (t.kind == PgnTokenKind::tag) tag(t.text, t.value);
        break;
      }
      case PgnTokenKind::comment:
        if (opensNextGame() && !pendingValid_) {
          pending_ = t.offset;
          pendingValid_ = true;
        }
        break;
      case PgnTokenKind::blank:
        if (phase_ == Phase::tags) blankInTags_ = true;
        if (phase_ == Phase::afterResult) blankAfterResult_ = true;
        if (phase_ == Phase::none || phase_ == Phase::afterResult) pendingValid_ = false;
        break;
      default:
        if (opensNextGame()) startGame(pendingValid_ ? pending_ : t.offset);
        if (t.kind == PgnTokenKind::symbol && isResultText(t.text)) {
          phase_ = Phase::afterResult;
          blankAfterResult_ = false;
        } else if (phase_ == Phase::tags) {
          phase_ = Phase::moves;
        }
        break;
    }
  }

  void finish(uint64_t end) {
    if (phase_ != Phase::none) closeEntry();
    starts.push_back(end);
  }

 private:
  enum class Phase { none, tags, moves, afterResult };

  bool opensNextGame() const { return phase_ == Phase::none || (phase_ == Phase::afterResult && blankAfterResult_); }

  bool hasName(std::string_view name) const {
    for (const std::string& n : names_)
      if (n == name) return true;
    return false;
  }

  void tag(std::string_view name, std::string_view value) {
    names_.emplace_back(name);
    // The first of a repeated tag counts, as in the loaded game.
    const std::string known = standardTagName(name);
    auto take = [&](std::string& field, bool& set) {
      if (set) return;
      field = value;
      set = true;
    };
    if (known == "White") take(white_, haveWhite_);
    if (known == "Black") take(black_, haveBlack_);
    if (known == "Result") take(result_, haveResult_);
  }

  void startGame(uint64_t at) {
    if (phase_ != Phase::none) closeEntry();
    starts.push_back(at);
    phase_ = Phase::tags;
    names_.clear();
    white_.clear();
    black_.clear();
    result_.clear();
    haveWhite_ = haveBlack_ = haveResult_ = false;
    pendingValid_ = false;
    blankAfterResult_ = false;
    blankInTags_ = false;
  }

  void closeEntry() {
    entries.push_back(std::to_string(entries.size()) + " " + white_ + "-" + black_ + " : " + result_);
  }

  Phase phase_ = Phase::none;
  bool blankAfterResult_ = false;
  bool blankInTags_ = false;
  bool pendingValid_ = false;
  uint64_t pending_ = 0;
  std::vector<std::string> names_;
  std::string white_, black_, result_;
  bool haveWhite_ = false, haveBlack_ = false, haveResult_ = false;
};

// Feeds text arriving in pieces to the lexer a line at a time.
class LineFeeder {
 public:
  LineFeeder(PgnLexer& lexer, PgnTokenSink& sink) : lexer_(lexer), sink_(sink) {}

  void add(const char* data, size_t size) {
    size_t at = 0;
    while (at < size) {
      const void* nl = std::memchr(data + at, '\n', size - at);
      const size_t end = nl ? static_cast<size_t>(static_cast<const char*>(nl) - data) : size;
      if (carry_.empty() && nl) {
        lexer_.line(std::string_view(data + at, end - at), lineStart_, sink_);
      } else {
        carry_.append(data + at, end - at);
        if (nl || carry_.size() >= MAXLINE) {
          lexer_.line(carry_, lineStart_, sink_);
          if (!nl) lineStart_ += carry_.size();
          carry_.clear();
        }
      }
      if (nl) lineStart_ = read_ + end + 1;
      at = nl ? end + 1 : size;
    }
    read_ += size;
  }

  void finish() {
    if (!carry_.empty()) lexer_.line(carry_, lineStart_, sink_);
    carry_.clear();
    lexer_.finish(sink_);
  }

  uint64_t read() const { return read_; }

 private:
  PgnLexer& lexer_;
  PgnTokenSink& sink_;
  std::string carry_;
  uint64_t read_ = 0, lineStart_ = 0;
};

void install(Splitter& s, OpenGames next) {
  next.starts = std::move(s.starts);
  indicepartite = std::move(s.entries);
  current = std::move(next);
}

}  // namespace

bool aprifilepgn(const std::string& path, std::string& errore) {
  errore.clear();
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.fd < 0) {
    errore = "cannot open " + path + ": " + errorCause(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    errore = "cannot read " + path + ": not a regular file";
    return false;
  }
  Splitter splitter;
  PgnLexer lexer(false);
  LineFeeder feeder(lexer, splitter);
  std::vector<char> buffer(READSIZE);
  for (;;) {
    const ssize_t got = ::read(fd.fd, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      errore = "cannot read " + path + ": " + errorCause(errno);
      return false;
    }
    if (got == 0) break;
    if (std::memchr(buffer.data(), '\0', static_cast<size_t>(got))) {
      errore = "cannot read " + path + ": not a text file";
      return false;
    }
    feeder.add(buffer.data(), static_cast<size_t>(got));
  }
  feeder.finish();
  splitter.finish(feeder.read());
  OpenGames next;
  next.file = std::move(fd);
  next.inMemory = false;
  install(splitter, std::move(next));
  return true;
}

void openPgnText(std::string text) {
  Splitter splitter;
  PgnLexer lexer(false);
  LineFeeder feeder(lexer, splitter);
  feeder.add(text.data(), text.size());
  feeder.finish();
  splitter.finish(text.size());
  OpenGames next;
  next.text = std::move(text);
  install(splitter, std::move(next));
}

int rigadiindice(std::string_view entry) { return numero(campo(entry, ' ', 0)); }

bool readGame(int number, PgnGame& out) {
  out = PgnGame{};
  if (number < 0 || static_cast<size_t>(number) + 1 >= current.starts.size()) return false;
  const uint64_t from = current.starts[static_cast<size_t>(number)];
  const uint64_t whole = current.starts[static_cast<size_t>(number) + 1] - from;
  const uint64_t size = whole > MAXGAMETEXT ? MAXGAMETEXT : whole;
  std::string text;
  if (current.inMemory) {
    text = current.text.substr(from, size);
  } else {
    text.resize(size);
    size_t got = 0;
    while (got < size) {
      const ssize_t n = ::pread(current.file.fd, text.data() + got, size - got, static_cast<off_t>(from + got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      got += static_cast<size_t>(n);
    }
  }
  out = parsePgnGame(text);
  if (whole > size && out.problem == StopReason::none) {
    out.problem = StopReason::tooLong;
    out.problemText.clear();
  }
  return true;
}
