#pragma once

#include "analysis/extendedstats.h"

#include <algorithm>
#include <vector>

// The values of the first holes, in hole order; every later hole holds 0.
inline analysis::HoleValues holeValues(const std::vector<double> &values)
{
    analysis::HoleValues holes{};
    std::copy(values.begin(), values.end(), holes.begin());
    return holes;
}
