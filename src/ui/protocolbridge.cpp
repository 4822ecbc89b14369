#include "ui/protocolbridge.h"

#include "engine/position/position.h"

#if __has_include("protocol/winboard.h")
#include "protocol/winboard.h"
#define ZEF_CON_WINBOARD 1
#endif

namespace {
std::function<bool()> sostituto;
}

bool passoprotocollo() {
  if (sostituto) return sostituto();
#ifdef ZEF_CON_WINBOARD
  return tickprotocollo();
#else
  return partita.inricerca == 0;
#endif
}

void impostaprotocollo(std::function<bool()> passo) { sostituto = std::move(passo); }

void collegaprotocollo(std::function<void()> nascondi, std::function<void()> chiudi) {
#ifdef ZEF_CON_WINBOARD
  ProtocolHooks h;
  h.onXboard = std::move(nascondi);
  h.onQuit = std::move(chiudi);
  setProtocolHooks(std::move(h));
#else
  (void)nascondi;
  (void)chiudi;
#endif
}
