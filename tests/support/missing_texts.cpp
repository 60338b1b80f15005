#include "support/missing_texts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shell/language.h"

missing_texts_recorder::missing_texts_recorder() : previous_(lang_missing_key_hook_) {
  lang_missing_key_hook_ = [this](const std::string& key) {
    if (std::find(keys_.begin(), keys_.end(), key) == keys_.end()) keys_.push_back(key);
    if (previous_) previous_(key);  // an outer recorder sees it too
  };
}

missing_texts_recorder::~missing_texts_recorder() {
  lang_missing_key_hook_ = previous_;
  for (const std::string& key : keys_)
    ADD_FAILURE() << "no language text for \"" << key << "\" (shown as \"%" << key << "\")";
}
