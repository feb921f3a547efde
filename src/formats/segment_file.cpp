#include "formats/segment_file.h"
