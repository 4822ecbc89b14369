#include "ui/protocolbridge.h"

#include "engine/position/position.h"
#include "protocol/winboard.h"

namespace {
std::function<bool()> sostituto;
}

bool passoprotocollo() {
  if (sostituto) return sostituto();
  return tickprotocollo();
}

void impostaprotocollo(std::function<bool()> passo) { sostituto = std::move(passo); }

void collegaprotocollo(std::function<void()> nascondi, std::function<void()> chiudi) {
  ProtocolHooks h;
  h.onXboard = std::move(nascondi);
  h.onQuit = std::move(chiudi);
  setProtocolHooks(std::move(h));
}
