// The preview's zoom properties and the rules of their setters. A setter says what the
// owner has to do next (lay the paper out again, or set Zoom once more); the owner does it
// and raises its events.
#pragma once

#include <optional>

#include "preview/paper_zoom.h"

namespace natalo {

class ZoomSettings {
  public:
    TZoomState ZoomState() const { return zoomState_; }
    int Zoom() const { return zoom_; }
    int ZoomMin() const { return zoomMin_; }
    int ZoomMax() const { return zoomMax_; }
    int ZoomStep() const { return zoomStep_; }

    // Clamps the value to ZoomMin..ZoomMax, stores it and switches to zsZoomOther. Returns
    // false, changing nothing, when that zoom is already shown in zsZoomOther.
    bool SetZoom(int value);
    // Taken only when it differs and lies in 1..ZoomMax. Returns the zoom to pass to the
    // owner's Zoom setter when a frozen zoom (zsZoomOther) now lies below the minimum.
    std::optional<int> SetZoomMin(int value);
    // Taken only when it differs and is at least ZoomMin. Returns the zoom to pass to the
    // owner's Zoom setter when a frozen zoom now lies above the maximum.
    std::optional<int> SetZoomMax(int value);
    // Returns whether the state changed.
    bool SetZoomState(TZoomState state);
    void SetZoomStep(int step) { zoomStep_ = step; }
    // Stores a zoom as it is: the zoom a fitted paper shows, which the limits do not
    // bound, or the previous zoom when the paper could not be shown at a new one.
    void StoreZoom(int zoom) { zoom_ = zoom; }

  private:
    TZoomState zoomState_ = zsZoomToFit;
    int zoom_ = 100;
    int zoomMin_ = 10;
    int zoomMax_ = 500;
    int zoomStep_ = 10;
};

}  // namespace natalo
