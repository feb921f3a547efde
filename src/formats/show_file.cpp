#include "formats/show_file.h"
