#include "relief/ReliefCost.h"

#include <algorithm>
#include <functional>

ReliefCost& ReliefCost::operator+=(const ReliefCost& other)
{
    std::transform(levels.begin(), levels.end(), other.levels.begin(), levels.begin(), std::plus<>());
    return *this;
}

ReliefCost& ReliefCost::operator-=(const ReliefCost& other)
{
    std::transform(levels.begin(), levels.end(), other.levels.begin(), levels.begin(), std::minus<>());
    return *this;
}

bool ReliefCost::InRange() const
{
    return std::all_of(levels.begin(), levels.end(), [](qint64 level) { return level >= 0 && level <= MaxLevel; });
}
