// quorvel: the desktop program.
#include "ui/startup.h"

int main(int argc, char** argv) { return quorvel::ui::RunProgram(argc, argv); }
