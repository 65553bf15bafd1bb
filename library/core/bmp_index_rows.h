#pragma once
// The BMP decoder is shared with the program, in common/bmp/.
#include "common/bmp/bmp_index_rows.h"
