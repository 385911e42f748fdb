#pragma once
// The ornaments the pictures are built from, as paths in output pixels:
// stars and rosettes of the geometric tradition, cartouches with ogee ends,
// lobed panels and repeated border motifs.
#include "VectorPath.h"

namespace pictures {

// A star of `points` points between the radii; rotation in radians (0: a
// point straight up).
TVectorPath Star(TVec c, double rOuter, double rInner, int points, double rotation = 0);
// The eight-pointed star of two overlapping squares (khatam).
TVectorPath Khatam(TVec c, double r);
// A rosette of pointed petals around a centre; petals reach radius r and are
// `width` wide at their widest, starting at radius `inner`.
TVectorPath Rosette(TVec c, double r, double inner, int petals, double width, double rotation = 0);
// A lozenge (diamond) with half-diagonals rx, ry.
TVectorPath Lozenge(TVec c, double rx, double ry);
// A leaf from a to b bulging `width` / 2 on either side.
TVectorPath Leaf(TVec a, TVec b, double width);
// A cartouche: straight top and bottom at cy -+ halfH between cx -+ halfW,
// closed at each end by an ogee reaching `cap` further out to a point.
TVectorPath Cartouche(TVec c, double halfW, double halfH, double cap);
// The same outline grown by d on every side (d < 0 shrinks it).
TVectorPath CartoucheGrown(TVec c, double halfW, double halfH, double cap, double d);
// A rectangle whose corners are cut into inward quarter circles of radius r.
TVectorPath NotchedRect(double x0, double y0, double x1, double y1, double r, bool reverse = false);
// A straight gold rule with rounded ends: a band of width w.
TVectorPath Rule(TVec a, TVec b, double w);
// Small rosettes spaced along a straight run from a to b, `count` of them.
TVectorPath RosetteRun(TVec a, TVec b, int count, double r);

} // namespace pictures
