#include "mainwin/Program.h"

int main(int argc, char** argv) {
    return lw::gui::RunProgram(argc, argv);
}
