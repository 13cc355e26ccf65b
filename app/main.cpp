#include "ui/run_program.h"

int main(int argc, char** argv) { return varnoq::runProgram(argc, argv); }
