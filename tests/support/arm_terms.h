#pragma once

// Adjustable-rate terms written as loans are quoted: in percent, the caps as
// first/periodic/lifetime ("caps 2/1/5").
#include "core/mortgage.h"

#include <array>
#include <cstdint>

inline qn::TAdjustableRate armTerms(std::int32_t fixedMonths, std::int32_t adjustEvery,
                                    double marginPercent, double indexPercent,
                                    const std::array<double, 3>& capsPercent,
                                    qn::TIndexPath path = qn::TIndexPath::Flat,
                                    double stepPercent = 0)
{
    qn::TAdjustableRate terms;
    terms.FixedMonths = fixedMonths;
    terms.AdjustEvery = adjustEvery;
    terms.Margin = marginPercent / 100;
    terms.Path = path;
    terms.Index = indexPercent / 100;
    terms.IndexStep = stepPercent / 100;
    terms.FirstCap = capsPercent[0] / 100;
    terms.PeriodicCap = capsPercent[1] / 100;
    terms.LifetimeCap = capsPercent[2] / 100;
    return terms;
}
