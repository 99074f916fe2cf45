// A state header that reaches up into the workbench.
#include "workbench/workbench.h"
