#include "Drovane/toolkit/DispatchBracket.h"

#include "Drovane/toolkit/WindowManager.h"

DispatchBracket::DispatchBracket() : DispatchBracket(theWindowManager) {}

DispatchBracket::DispatchBracket(WindowManager* manager) : mpManager(manager) {
  if (mpManager) mpManager->BeginDispatch();
}

DispatchBracket::~DispatchBracket() {
  if (mpManager) mpManager->EndDispatchAndFlush();
}
