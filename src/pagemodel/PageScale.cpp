#include "pagemodel/PageScale.h"

float PageScale = 0.5f;
