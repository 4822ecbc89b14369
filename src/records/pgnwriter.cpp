#include "records/pgnwriter.h"

#include "engine/position/position.h"
#include "records/gamenotes.h"
#include "records/pgnfen.h"

namespace {

constexpr const char* UNKNOWN = "?";
constexpr const char* UNKNOWNDATE = "????.??.??";

bool isRosterTag(const std::string& name) {
  for (const char* r : {"Event", "Site", "Date", "Round", "White", "Black", "Result"})
    if (name == r) return true;
  return false;
}

// Movetext words joined into lines no longer than PGNLINEWIDTH (a single
// longer word stands alone).
class LineFiller {
 public:
  explicit LineFiller(std::vector<std::string>& out) : out_(out) {}
  // Comments and variations are cut at their blanks, so that they wrap too.
  void add(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) {
      size_t end = text.find(' ', at);
      if (end == std::string::npos) end = text.size();
      if (end > at) word(std::string_view(text).substr(at, end - at));
      at = end + 1;
    }
  }
  void finish() {
    if (!line_.empty()) out_.push_back(line_);
    line_.clear();
  }

 private:
  void word(std::string_view w) {
    if (!line_.empty() && line_.size() + 1 + w.size() > PGNLINEWIDTH) finish();
    if (!line_.empty()) line_ += ' ';
    line_ += w;
  }
  std::vector<std::string>& out_;
  std::string line_;
};

}  // namespace

std::string quotedTagValue(const std::string& value) {
  std::string out = "\"";
  for (char c : value) {
    if (c == '"' || c == '\\') out += '\\';
    // A line end would split the tag pair: the standard allows none in a value.
    out += c == '\n' || c == '\r' ? ' ' : c;
  }
  return out + "\"";
}

std::vector<std::string> pgnLines(const std::vector<std::string>& texts) {
  const tpartita& g = partita;
  const int inStep = notesInStep(g, gameNotes);
  const bool haveNotes = inStep >= 0;
  std::vector<std::string> lines;
  auto tag = [&](const std::string& name, std::string value) {
    lines.push_back("[" + name + " " + quotedTagValue(value) + "]");
  };
  auto roster = [&](const char* name, std::string value) {
    if (value.empty()) value = UNKNOWN;
    tag(name, std::move(value));
  };
  roster("Event", wholeValue(g.event, gameNotes, haveNotes, "Event"));
  roster("Site", wholeValue(g.site, gameNotes, haveNotes, "Site"));
  std::string date = wholeValue(g.date, gameNotes, haveNotes, "Date");
  roster("Date", date.empty() || date == UNKNOWN ? std::string(UNKNOWNDATE) : date);
  roster("Round", wholeValue(g.pgnround, gameNotes, haveNotes, "Round"));
  roster("White", wholeValue(g.whiteplayer, gameNotes, haveNotes, "White"));
  roster("Black", wholeValue(g.blackplayer, gameNotes, haveNotes, "Black"));
  const std::string result = g.result.empty() ? std::string("*") : g.result.str();
  tag("Result", result);
  // Without its start position a set-up game could not be read back.
  const bool setUp = !g.startfen.empty();
  const bool fenKept = haveNotes && findTag(gameNotes.tags, "FEN");
  if (setUp && !fenKept) {
    tag("SetUp", "1");
    tag("FEN", g.startfen.str());
  }
  if (haveNotes) {
    for (const PgnTag& t : gameNotes.tags) {
      if (isRosterTag(t.name)) continue;
      if (t.name == "SetUp" || t.name == "FEN") {
        if (!setUp) continue;
        if (t.name == "SetUp") {
          tag("SetUp", "1");
        } else {
          if (!findTag(gameNotes.tags, "SetUp")) tag("SetUp", "1");
          tag("FEN", g.startfen.str());
        }
        continue;
      }
      tag(t.name, t.value);
    }
  }
  lines.emplace_back();

  int number = 1;
  bool blackFirst = false;
  startingMove(number, blackFirst);
  LineFiller movetext(lines);
  auto notesAfter = [&](int i) -> const std::vector<std::string>* {
    if (!haveNotes || i > inStep || i >= static_cast<int>(gameNotes.after.size())) return nullptr;
    return &gameNotes.after[static_cast<size_t>(i)];
  };
  bool numberDue = true;
  if (const auto* first = notesAfter(0))
    for (const std::string& item : *first) movetext.add(item);
  for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
    // Half-move i is Black's when the game began with Black to move and i is even.
    const bool black = (i % 2 == 0) == blackFirst;
    if (!black)
      movetext.add(std::to_string(number) + ".");
    else if (numberDue)
      movetext.add(std::to_string(number) + "...");
    movetext.add(texts[static_cast<size_t>(i)]);
    numberDue = false;
    if (const auto* after = notesAfter(i + 1)) {
      for (const std::string& item : *after) {
        movetext.add(item);
        // After a comment or a variation Black's move is numbered again.
        if (item[0] == '{' || item[0] == '(') numberDue = true;
      }
    }
    if (black) ++number;
  }
  // The termination marker ends the movetext, as the standard asks.
  movetext.add(result);
  movetext.finish();
  return lines;
}
