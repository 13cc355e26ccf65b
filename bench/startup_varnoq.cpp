// The program exactly as app/main.cpp starts it, with the first-paint probe linked in.
#include "ui/run_program.h"

int main(int argc, char** argv) {
    return varnoq::runProgram(argc, argv);
}
