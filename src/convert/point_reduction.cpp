#include "convert/point_reduction.h"
