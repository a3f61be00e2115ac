#include "numeric/precision_settings.h"

int LinearDecimals = DefaultLinearDecimals;
int AngleDecimals = DefaultAngleDecimals;
