// linkwell-cli: every calculator operation from a shell.
#include "cli/App.h"

int main(int argc, char** argv) {
    return lw::cli::RunCli(argc, argv);
}
