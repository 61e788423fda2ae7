#include <csignal>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file size limit a write then fails with an error the command reports, instead of
    // the signal ending the program with half a file.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    return cli::RunMain(argc, argv);
}
