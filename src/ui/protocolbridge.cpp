#include "ui/protocolbridge.h"

namespace {
std::function<bool()> currentStep;
}

bool passoprotocollo() { return currentStep ? currentStep() : true; }

void impostaprotocollo(std::function<bool()> passo) { currentStep = std::move(passo); }
