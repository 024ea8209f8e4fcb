#pragma once

#include "ui/program_random.h"

#include <QtGlobal>
#include <random>
#include <vector>

// The numbers a random or sequential run hands out: numbers[k] goes to the k-th rider of
// the writing order. `usable` is false when the range holds fewer numbers than there are
// riders; nothing is to be written then.
struct NumberArrangement {
    bool usable = false;
    std::vector<int> numbers;
};

namespace NumberArrangements {

// Every number of low..high (low not above high) once, in ascending order.
NumberArrangement sequential(int riderCount, int low, int high);
// Every number of low..high once, each arrangement equally likely; drawn from the
// program's one generator unless a test gives its own.
NumberArrangement random(int riderCount, int low, int high, std::mt19937& generator = ProgramRandom::generator());

} // namespace NumberArrangements
