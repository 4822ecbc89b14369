#include "ui/protocolbridge.h"

namespace {
std::function<bool()> passoattuale;
}

bool passoprotocollo() { return passoattuale ? passoattuale() : true; }

void impostaprotocollo(std::function<bool()> passo) { passoattuale = std::move(passo); }
