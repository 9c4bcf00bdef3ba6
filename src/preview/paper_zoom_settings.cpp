#include "preview/paper_zoom_settings.h"

#include <algorithm>

namespace natalo {

bool ZoomSettings::SetZoom(int value) {
    value = std::clamp(value, zoomMin_, zoomMax_);
    if (value == zoom_ && zoomState_ == zsZoomOther) {
        return false;
    }
    zoom_ = value;
    zoomState_ = zsZoomOther;
    return true;
}

std::optional<int> ZoomSettings::SetZoomMin(int value) {
    if (value == zoomMin_ || value < 1 || value > zoomMax_) {
        return std::nullopt;
    }
    zoomMin_ = value;
    if (zoomState_ == zsZoomOther && zoom_ < zoomMin_) {
        return zoomMin_;
    }
    return std::nullopt;
}

std::optional<int> ZoomSettings::SetZoomMax(int value) {
    if (value == zoomMax_ || value < zoomMin_) {
        return std::nullopt;
    }
    zoomMax_ = value;
    if (zoomState_ == zsZoomOther && zoom_ > zoomMax_) {
        return zoomMax_;
    }
    return std::nullopt;
}

bool ZoomSettings::SetZoomState(TZoomState state) {
    if (state == zoomState_) {
        return false;
    }
    zoomState_ = state;
    return true;
}

}  // namespace natalo
