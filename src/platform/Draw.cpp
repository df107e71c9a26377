// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "platform/Draw.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cmath>

namespace platform {

int drawInRange(double r, int low, int high)
{
    if (!(r >= 0.0)) // also catches NaN
        r = 0.0;
    const double value = std::floor((high - low + 1) * r + low);
    return static_cast<int>(std::clamp(value, double(low), double(high)));
}

int drawOneOf(double r, int n)
{
    return drawInRange(r, 1, n);
}

int drawOneOf(int n)
{
    return drawOneOf(random().next(), n);
}

} // namespace platform
