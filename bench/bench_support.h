#pragma once

#include <QtGlobal>

#include <algorithm>
#include <vector>

// Small helpers the benchmark programs share.
namespace pixmint::bench {

inline double ms(qint64 nanoseconds)
{
    return static_cast<double>(nanoseconds) / 1e6;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace pixmint::bench
