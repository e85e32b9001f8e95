// Every public routine of the library, for the wrappers.
#pragma once

#include "core/api.h"
#include "core/checks.h"
#include "device/api.h"
#include "device/area_fill.h"
#include "device/base_transform.h"
#include "device/colour.h"
#include "device/drivers/raster/api.h"
#include "device/line_style.h"
#include "device/shading.h"
#include "device/shielding.h"
#include "graph2d/api.h"
#include "text/api.h"
#include "utilities/api.h"
#include "utilities/matrix_resample.h"
#include "utilities/sorting.h"
#include "utilities/statistics.h"
