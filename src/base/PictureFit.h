#pragma once
// Where a picture goes in a box that shows it centred and proportional: a
// picture larger than the box is scaled down to fit, a smaller one keeps its
// size. Box coordinates; an empty place when there is nothing to show.
#include "base/ControlPlace.h"

TControlPlace FitPictureRect(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight);
