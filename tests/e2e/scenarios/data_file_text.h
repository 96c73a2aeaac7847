#pragma once
// Kept for scenarios written against the old place of the data file writer.
#include "driver/data_file_text.h"
