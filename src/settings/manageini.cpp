#include "settings/manageini.h"

#include "settings/namevalue.h"

std::vector<std::string> listaini;

std::string valoreini(std::string_view key) { return lookupNameValue(listaini, key); }
