#pragma once

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstring>
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

// The options every window benchmark takes: the picture, --rounds=N, --width=W, --height=H.
struct CommonOptions {
    QString path;
    int rounds = 5;
    QString width = QStringLiteral("128");
    QString height = QStringLiteral("64");
};

// Takes one argument into the common options; false for an option they do not know.
inline bool readCommonOption(const char* argument, CommonOptions& options)
{
    const char* equals = std::strchr(argument, '=');
    const QString value = QString::fromLocal8Bit(equals ? equals + 1 : argument);
    if (std::strncmp(argument, "--rounds=", 9) == 0)
        options.rounds = std::max(1, value.toInt());
    else if (std::strncmp(argument, "--width=", 8) == 0)
        options.width = value;
    else if (std::strncmp(argument, "--height=", 9) == 0)
        options.height = value;
    else if (options.path.isEmpty() && argument[0] != '-')
        options.path = value;
    else
        return false;
    return true;
}

}  // namespace pixmint::bench
