// Catches untranslated interface texts. While a missing_texts_recorder lives, every language lookup
// that misses (and would show "%" and the key) is recorded; when it goes out of scope the test
// fails naming each missed key. GUI tests install one around building and driving their windows:
//
//   missing_texts_recorder texts;   // after load_language_("program_en.lang")
//   ... build the ribbon, open the dialog ...
//
// A test that looks up a missing key on purpose reads keys() and calls forget() before the end.
#pragma once
#include <functional>
#include <string>
#include <vector>

class missing_texts_recorder {
 public:
  missing_texts_recorder();
  ~missing_texts_recorder();
  missing_texts_recorder(const missing_texts_recorder&) = delete;
  missing_texts_recorder& operator=(const missing_texts_recorder&) = delete;

  // The keys missed so far, each once, in the order they were first looked up.
  const std::vector<std::string>& keys() const { return keys_; }
  void forget() { keys_.clear(); }

 private:
  std::function<void(const std::string&)> previous_;
  std::vector<std::string> keys_;
};
