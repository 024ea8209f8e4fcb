#include "registration/number_arrangement.h"

#include <numeric>

namespace NumberArrangements {

NumberArrangement sequential(int riderCount, int low, int high) {
    NumberArrangement arrangement;
    const int size = high - low + 1;
    if (riderCount > size)
        return arrangement;
    arrangement.usable = true;
    arrangement.numbers.resize(static_cast<size_t>(size));
    std::iota(arrangement.numbers.begin(), arrangement.numbers.end(), low);
    return arrangement;
}

NumberArrangement random(int riderCount, int low, int high, std::mt19937& generator) {
    NumberArrangement arrangement = sequential(riderCount, low, high);
    // Each place takes a number drawn uniformly from those not yet taken (Fisher-Yates).
    std::vector<int>& numbers = arrangement.numbers;
    for (size_t k = 0; k + 1 < numbers.size(); ++k) {
        std::uniform_int_distribution<size_t> pick(k, numbers.size() - 1);
        std::swap(numbers[k], numbers[pick(generator)]);
    }
    return arrangement;
}

} // namespace NumberArrangements
