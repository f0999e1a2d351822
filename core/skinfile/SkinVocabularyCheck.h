#pragma once
// Checks a skin document against the vocabulary: every key the engine reads
// must be there with the right node type (and, for images, sub-type and file
// format; for margin and font texts, a text that parses).
#include "core/btd/BinaryTreeDocument100.h"
#include "core/skinfile/SkinVocabulary.h"

#include <string>
#include <vector>

namespace qelvane {

struct TSkinVocabularyProblem {
  std::u16string Path; // the key's path, with the style folder filled in
  std::string Text;    // what is wrong, in English (UTF-8)
};

// Required keys must exist; optional keys are checked only where present. A
// collection of styles without any style folder is reported once for its
// required keys.
std::vector<TSkinVocabularyProblem> CheckSkinVocabulary(const TBinaryTreeDocument100& ADoc);

} // namespace qelvane
