#pragma once
// Pixels per page unit, shared by every drawing and hit test of the running
// page: 0.5 when a page view is created, min(1, client height / page height)
// after each resize, three times that while an anti-aliased drawing runs.
// Read and written on the user-interface thread only.
extern float PageScale;
