// SPDX-License-Identifier: MIT
// The few statistics the benchmark tables need.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace Stats {

// The value below which `fraction` of the values lie (nearest rank); 0 for no values.
inline double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(fraction * double(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

inline double median(const std::vector<double> &values)
{
    return percentile(values, 0.5);
}

inline double minimum(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

inline double maximum(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

}  // namespace Stats
