#include "convert/conversions.h"
