// Objects between drawings: a transfer file of block and object records, named on the
// clipboard by a marker text.
#include "engine/zaz_class.h"

std::string zaz_class_::clipboard_copy_(flag16_ tofile_, int32_t block_) { return {}; }
void zaz_class_::clipboard_paste_(flag16_ center_, const std::string& fromfile_, flag16_ hblock_) {}
flag16_ zaz_class_::objects_differ_(int32_t a, int32_t b) const { return true_; }
