#pragma once

// babyname-cli without its process: parses the arguments, runs the command and returns the exit
// code (0 success, 1 failure, 2 usage error). A database that cannot be read, memory that runs
// out or any other exception is a failure with a message on standard error; so is standard
// output that could not be written.
namespace cli {
int RunMain(int argc, char** argv);
}  // namespace cli
