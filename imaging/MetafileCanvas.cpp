#include "imaging/MetafileCanvas.h"

#include <algorithm>
#include <cmath>

double PLMetafileCanvas::Scale(double naturalWidth, double naturalHeight, uint64_t steps)
{
    double scale = std::min(1.0, kMaxSide / std::max(naturalWidth, naturalHeight));
    const double pixels = naturalWidth * naturalHeight * scale * scale;
    const double work = pixels * double(std::max<uint64_t>(steps, 1));
    if (work > kWorkBudget) {
        scale *= std::sqrt(kWorkBudget / work);
    }
    return scale;
}
