#include "records/enginehost.h"

#include "engine/host.h"
#include "records/book.h"
#include "records/debugoutput.h"
#include "records/notation.h"
#include "records/verifylog.h"
#include "settings/manageini.h"
#include "text/output.h"

namespace {

class ProgramHost : public EngineHost {
 public:
  void writeLine(const std::string& line) override { debugLine(line); }
  std::string setting(std::string_view name) override { return valoreini(name); }
  uint32_t bookMove() override { return trovamossadabook(false); }
  std::string moveText(uint32_t move) override { return sanWithCheckMark(move, 0); }
  void verificationLine(const std::string& line) override { listaverifica.push_back(line); }
};

ProgramHost programHost;

}  // namespace

void installEngineHost() { setEngineHost(&programHost); }
