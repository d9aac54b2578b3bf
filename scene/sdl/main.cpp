// Weihnachtsflug: the program entry. It reads no arguments and always ends
// with exit code 0.
#include "scene/sdl/program.h"

int main() {
    return scene::runProgram();
}
