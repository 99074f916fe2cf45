// The command line reaching for Qt and for printing.
#include <QString>
#include "print/pdf_print.h"
#include "cli/cli_commands.h"
