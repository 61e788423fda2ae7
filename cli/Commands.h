#pragma once

#include "cli/CliSupport.h"

// One function per command of babyname-cli; each returns the process exit code.
int RunScoreCommand(const CliContext& context);
int RunGenerateCommand(const CliContext& context);
int RunPillarsCommand(const CliContext& context);
int RunLunarCommand(const CliContext& context);
int RunBaziCommand(const CliContext& context);
int RunElementsCommand(const CliContext& context);
int RunQualityCommand(const CliContext& context);
