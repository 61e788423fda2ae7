#include <csignal>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "cli/CommandLine.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file size limit a write then fails with an error the command reports, instead of
    // the signal ending the program with half a file.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef _WIN32
    // The program's bytes reach a pipe or a file unchanged: no "\n" turned into "\r\n" (a report
    // that ends its lines with "\r\n" would get "\r\r\n"). A console gets its text through the
    // console's own wide calls (cli::Print).
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::vector<std::string> arguments = cli::Utf8Arguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return cli::RunMain(int(arguments.size()), pointers.data());
}
