// Makes the manual page zefiran3d(6) from the README, so that the two never
// disagree: the README's first paragraph about the program is the
// description, and its sections "Command line", "Files" and "Playing under a
// chess front end" become the page's sections.
//
//   manpage README.md VERSION OUT.6
//
// The README's Markdown is the plain kind it uses: paragraphs, "- " lists,
// `code`, and blocks indented by four spaces. A block whose lines start with
// the command is a list of its forms, each followed by its explanation.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* COMMAND = "zefiran3d";
constexpr const char* DESCRIPTIONSTART = "Zefiran_3D is ";
constexpr size_t BLOCKINDENT = 4;
constexpr size_t ITEMINDENT = 2;

struct Section {
  const char* readme;
  const char* page;
};
constexpr Section SECTIONS[] = {
    {"Command line", "OPTIONS"},
    {"Files", "FILES"},
    {"Playing under a chess front end", "CHESS FRONT ENDS"},
};

using Lines = std::vector<std::string>;

size_t indentOf(const std::string& line) {
  const size_t n = line.find_first_not_of(' ');
  return n == std::string::npos ? line.size() : n;
}
bool blank(const std::string& line) { return indentOf(line) == line.size(); }
bool startsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// Text as roff prints it: backslashes and minus signs escaped, `code` bold.
std::string roff(const std::string& text) {
  std::string out;
  bool code = false;
  for (char c : text) {
    if (c == '`') {
      out += code ? "\\fR" : "\\fB";
      code = !code;
    } else if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  if (code) out += "\\fR";
  // A line starting with a dot or a quote would be a request.
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out = "\\&" + out;
  return out;
}

std::string joined(const Lines& lines) {
  std::string s;
  for (const std::string& l : lines) s += (s.empty() ? "" : " ") + l.substr(indentOf(l));
  return s;
}

// The lines of one "## " section, without its heading.
Lines section(const Lines& readme, const std::string& title) {
  Lines body;
  bool inside = false;
  for (const std::string& line : readme) {
    if (startsWith(line, "## ")) {
      if (inside) break;
      inside = line == "## " + title;
      continue;
    }
    if (inside) body.push_back(line);
  }
  return body;
}

// An indented block: the command's forms with their explanations, or
// anything else shown as it is.
void block(const Lines& lines, std::ostream& out) {
  if (!startsWith(lines[0].substr(BLOCKINDENT), COMMAND)) {
    out << ".PP\n.RS\n.nf\n";
    for (const std::string& l : lines) out << roff(l.substr(BLOCKINDENT)) << "\n";
    out << ".fi\n.RE\n";
    return;
  }
  for (size_t i = 0; i < lines.size();) {
    const std::string entry = lines[i].substr(BLOCKINDENT);
    const size_t gap = entry.find("  ");
    Lines explanation;
    if (gap != std::string::npos) explanation.push_back(entry.substr(gap));
    for (++i; i < lines.size() && indentOf(lines[i]) > BLOCKINDENT; ++i) explanation.push_back(lines[i]);
    out << ".TP\n\\fB" << roff(entry.substr(0, gap)) << "\\fR\n" << roff(joined(explanation)) << "\n";
  }
}

void body(const Lines& lines, std::ostream& out) {
  for (size_t i = 0; i < lines.size();) {
    if (blank(lines[i])) {
      ++i;
    } else if (indentOf(lines[i]) >= BLOCKINDENT) {
      Lines code;
      while (i < lines.size() && (indentOf(lines[i]) >= BLOCKINDENT || blank(lines[i]))) {
        if (!blank(lines[i])) code.push_back(lines[i]);
        ++i;
      }
      block(code, out);
    } else if (startsWith(lines[i], "- ")) {
      Lines item{lines[i].substr(ITEMINDENT)};
      for (++i; i < lines.size() && !blank(lines[i]) && indentOf(lines[i]) >= ITEMINDENT; ++i) item.push_back(lines[i]);
      out << ".IP \\(bu " << ITEMINDENT << "\n" << roff(joined(item)) << "\n";
    } else {
      Lines paragraph;
      for (; i < lines.size() && !blank(lines[i]) && indentOf(lines[i]) == 0 && !startsWith(lines[i], "- "); ++i)
        paragraph.push_back(lines[i]);
      out << ".PP\n" << roff(joined(paragraph)) << "\n";
    }
  }
}

std::string description(const Lines& readme) {
  Lines paragraph;
  for (const std::string& line : readme) {
    if (paragraph.empty() && !startsWith(line, DESCRIPTIONSTART)) continue;
    if (blank(line)) break;
    paragraph.push_back(line);
  }
  return joined(paragraph);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: manpage README.md VERSION OUT.6\n");
    return 2;
  }
  std::ifstream in(argv[1]);
  Lines readme;
  for (std::string line; std::getline(in, line);) readme.push_back(line);
  const std::string about = description(readme);
  if (!in.eof() || about.empty()) {
    std::fprintf(stderr, "manpage: cannot read the program's description from %s\n", argv[1]);
    return 1;
  }
  std::ostringstream page;
  page << ".TH ZEFIRAN3D 6 \"\" \"Zefiran_3D " << argv[2] << "\" \"Games\"\n"
       << ".SH NAME\n"
       << COMMAND << " \\- chess program with a 3D board, and an xboard and UCI chess engine\n"
       << ".SH SYNOPSIS\n"
       << ".B " << COMMAND << "\n[\\fB\\-\\-engine\\fR] [\\fB\\-\\-verification\\-log\\fR]\n.br\n"
       << ".B " << COMMAND << "\n\\fICOMMAND\\fR [\\fIARGUMENTS\\fR]\n"
       << ".SH DESCRIPTION\n"
       << roff(about) << "\n";
  for (const Section& s : SECTIONS) {
    const Lines lines = section(readme, s.readme);
    if (lines.empty()) {
      std::fprintf(stderr, "manpage: %s has no section \"%s\"\n", argv[1], s.readme);
      return 1;
    }
    page << ".SH \"" << s.page << "\"\n";
    body(lines, page);
  }
  std::ofstream out(argv[3], std::ios::binary);
  out << page.str();
  if (!out) {
    std::fprintf(stderr, "manpage: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
