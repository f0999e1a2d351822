// Loads any bytes as a binary tree document. Refusals are fine; crashes,
// reads past the buffer and leaks are not. A document that loads must save
// and load back without losing a node, and the skin readers must cope with it.
#include "core/btd/BinaryTreeDocument100.h"
#include "core/skinfile/SkinFileBase.h"
#include "core/skinfile/SkinVocabularyCheck.h"

#include <cstdlib>

using namespace qelvane;

namespace {

class TFuzzSkinFile : public TSkinFileBase {
public:
  void Load(const uint8_t* AData, size_t ASize) { LoadSkinDocument(AData, ASize); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFuzzSkinFile skin;
  try {
    skin.Load(data, size);
  } catch (const EBinTreeError&) {
    return 0;
  }
  const TBinaryTreeDocument100& doc = skin.SkinDoc();

  std::vector<uint8_t> saved;
  try {
    saved = doc.SaveToBytes();
  } catch (const EBinTreeError&) {
    return 0; // a name of 64 code units: readable, but not saved again
  }
  // What was loaded saves into a document that loads completely; one round
  // may still normalise it (a name read as empty comes back as "NONAME"),
  // after which saving and loading change nothing.
  TBinaryTreeDocument100 again;
  again.WriteBuffer(saved.data(), saved.size());
  if (again.NodeCount() != doc.NodeCount()) std::abort();
  std::vector<uint8_t> normalised = again.SaveToBytes();
  TBinaryTreeDocument100 third;
  third.WriteBuffer(normalised.data(), normalised.size());
  if (third.SaveToBytes() != normalised) std::abort();

  std::u16string text;
  int32_t i;
  bool b;
  double d;
  TGUID g;
  std::vector<uint8_t> stream;
  for (std::u16string_view path : {u"SkinInfo\\SkinName", u"NONAME", u"NONAME\\NONAME", u"ROOT"}) {
    skin.GetSkinStringByName(path, text, u"");
    skin.GetSkinInt32ByName(path, i, 0);
    skin.GetSkinBoolByName(path, b, false);
    skin.GetSkinDoubleByName(path, d, 0);
    skin.GetSkinGuidByName(path, g);
    skin.GetSkinStreamByName(path, stream);
    skin.GetSkinNodesByName(path);
  }
  doc.FindNode(u"NONAME");
  doc.FindNode(uint32_t(0));
  CheckSkinVocabulary(doc);
  return 0;
}
