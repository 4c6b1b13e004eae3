#pragma once

#include "cli/cli_command.h"

// The commands that talk to the radio: read, write, calibration.
QList<CliCommand> radioCommands();
