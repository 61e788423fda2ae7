#include "cli/Commands.h"

int RunGenerateCommand(const CliContext&) { return cli::UsageError("generate: 尚未提供"); }
