#include "cli/Commands.h"

int RunScoreCommand(const CliContext&) { return cli::UsageError("score: 尚未提供"); }
