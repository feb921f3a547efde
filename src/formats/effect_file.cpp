#include "formats/effect_file.h"
