#include "pagemodel/PageGeometry.h"

#include "pagemodel/PageScale.h"

TXYPoint ToPageUnits(TPixelPoint p) {
    return {static_cast<float>(p.X) / PageScale, static_cast<float>(p.Y) / PageScale};
}
