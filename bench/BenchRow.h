#pragma once

#include <cmath>
#include <cstdio>
#include <string>

// One line of the table bench/run prints: a figure, its floor, their ratio and the target. The
// line starts with "row" and its fields are tab-separated, so bench/run picks it out of
// whatever else a program prints. A figure without a floor passes NAN.
inline void printRow(const std::string &figure, double value, double floor, const char *unit,
                     const std::string &target, int decimals = 1)
{
    const auto text = [&](double v) {
        if (std::isnan(v))
            return std::string("–");
        char number[64];
        std::snprintf(number, sizeof number, "%.*f %s", decimals, v, unit);
        return std::string(number);
    };
    char ratio[32] = "–";
    // A floor that shows as zero gives no ratio worth reading.
    if (!std::isnan(value) && !std::isnan(floor) && floor >= 0.5 * std::pow(10.0, -decimals))
        std::snprintf(ratio, sizeof ratio, "%.2f", value / floor);
    std::printf("row\t%s\t%s\t%s\t%s\t%s\n", figure.c_str(), text(value).c_str(),
                text(floor).c_str(), ratio, target.c_str());
    std::fflush(stdout);
}
