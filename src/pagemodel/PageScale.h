#pragma once
// Pixels per page unit, shared by every drawing and hit test of the running
// page: 0.5 when a page view is created, min(1, client height / page height)
// after each resize, three times that while an anti-aliased drawing runs.
// Read and written on the user-interface thread only.
extern float PageScale;

// Restores PageScale bit for bit when it goes out of scope, however the
// scope ends: for a drawing that changes the scale, and for tests.
class TPageScaleGuard {
public:
    TPageScaleGuard() : FSaved(PageScale) {}
    ~TPageScaleGuard() { PageScale = FSaved; }
    TPageScaleGuard(const TPageScaleGuard&) = delete;
    TPageScaleGuard& operator=(const TPageScaleGuard&) = delete;

private:
    float FSaved;
};
