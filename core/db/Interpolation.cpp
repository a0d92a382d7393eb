#include "core/db/Interpolation.h"

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/messagebox/MessageBox.h"

float InterpoliereOhneAbstand(float y1, float y2) {
    constexpr float kMinDifference = 0.1f;
    if (std::fabs(y2 - y1) <= kMinDifference) return y1;
    // "Linear interpolation not possible,"
    vrmcore::MessageBox(3296u, textid::kProduktCaption, platform::mb::ICONINFORMATION);
    return 0.0f;
}
