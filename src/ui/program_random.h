#pragma once

#include <random>

// The program's one random generator, seeded once per run from the system's entropy
// source. Every random draw (back numbers, class sheet orders) takes its numbers from
// here, so no two parts of the program reseed or repeat each other.
namespace ProgramRandom {

std::mt19937& generator();

} // namespace ProgramRandom
