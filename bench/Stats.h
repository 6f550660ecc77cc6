#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// The `p`-th percentile (0..100) of `values` by the nearest rank; NAN for none.
inline double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(p / 100 * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

inline double median(const std::vector<double> &values)
{
    return percentile(values, 50);
}
