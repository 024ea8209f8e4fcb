#include "ui/program_random.h"

namespace ProgramRandom {

std::mt19937& generator() {
    static std::mt19937 engine{std::random_device{}()};
    return engine;
}

} // namespace ProgramRandom
