#pragma once
// Writing the item tree in the data file's current format.

#include <string>

#include "core/data/item_store.h"

namespace zek::data {

// The whole file: the header, then one record per item in pre-order from the
// root's children, without the root and without the built-in commands (nor
// anything below one). Record numbers count from 0; CR LF line ends.
std::string writeItemTree(const ItemStore& store);

}  // namespace zek::data
