#include "shell/SharedState.h"

bool SymbolLevelChosen = false;
