#include "records/verifylog.h"

#include <fstream>

std::vector<std::string> listaverifica;

bool scriviverifica(const std::string& path) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  for (const std::string& line : listaverifica) f << line << "\r\n";
  return static_cast<bool>(f);
}
