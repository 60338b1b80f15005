#include "engine/dimensions/format.h"
#include "engine/zaz_class.h"

std::string zaz_class_::get_dim_acc_(uint8_t type_, uint8_t acc_) const {
  return dim_accuracy_sample_(type_, acc_);
}
