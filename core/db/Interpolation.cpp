#include "core/db/Interpolation.h"

#include <cmath>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/messagebox/MessageBox.h"

float InterpoliereLinear(float x1, float x2, float x, float y1, float y2) {
    constexpr float kMinDifference = 0.1f;
    if (std::fabs(x2 - x1) >= kMinDifference) {
        const float slope = (y2 - y1) / (x2 - x1);
        return (y1 - slope * x1) + slope * x;
    }
    if (std::fabs(y2 - y1) <= kMinDifference) return y1;
    // "Linear interpolation not possible,"
    vrmcore::MessageBox(3296u, textid::kProduktCaption, platform::mb::ICONINFORMATION);
    return 0.0f;
}
