#pragma once

#include "cli/cli_command.h"

// The commands that work on files only: CSV export and import.
QList<CliCommand> fileCommands();
