// Allowed: its own folder, state and the standard library.
#include <queue>
#include "engine/engine.h"
#include "state/shell.h"
