#include "formats/drawing_file.h"
