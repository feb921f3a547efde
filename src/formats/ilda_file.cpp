#include "formats/ilda_file.h"
