#include "records/verifylog.h"

#include <filesystem>
#include <fstream>

#include "settings/folders.h"

std::vector<std::string> listaverifica;

namespace {
bool asked = false;
}  // namespace

bool scriviverifica(const std::string& path) {
  std::string errore;
  if (!makeUserFolder(std::filesystem::path(path).parent_path().string(), errore)) return false;
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  for (const std::string& line : listaverifica) f << line << "\r\n";
  return static_cast<bool>(f);
}

void askForVerificationLog() { asked = true; }

std::string verificationLogFile() { return asked ? stateFolder() + "verifica.txt" : std::string(); }
