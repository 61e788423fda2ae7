#include "cli/Commands.h"

int RunPillarsCommand(const CliContext&) { return cli::UsageError("pillars: 尚未提供"); }
int RunLunarCommand(const CliContext&) { return cli::UsageError("lunar: 尚未提供"); }
int RunBaziCommand(const CliContext&) { return cli::UsageError("bazi: 尚未提供"); }
