// skinc MANIFEST -o OUT: compiles a skin manifest into a binary tree document.
#include "core/btd/BinaryTreeDocument100.h"
#include "tools/skinc/ManifestReader.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;
using namespace qelvane;

namespace {

int Usage() {
  std::cerr << "usage: skinc MANIFEST -o OUT\n";
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  std::string manifest, output;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-o" && i + 1 < argc)
      output = argv[++i];
    else if (!arg.empty() && arg[0] != '-' && manifest.empty())
      manifest = arg;
    else
      return Usage();
  }
  if (manifest.empty() || output.empty()) return Usage();

  std::ifstream in(manifest, std::ios::binary);
  if (!in) {
    std::cerr << "skinc: cannot read " << manifest << "\n";
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();

  fs::path target(output), temp(output + ".tmp");
  try {
    TBinaryTreeDocument100 doc;
    CompileManifest(text.str(), fs::path(manifest).parent_path(), doc);
    // Written beside the target and renamed, so a failed run never leaves a
    // half-written document behind.
    doc.SaveToFile(temp);
    fs::rename(temp, target);
  } catch (const EManifestError& e) {
    std::cerr << "skinc: " << manifest << ":" << e.Line() << ": " << e.Message() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    std::cerr << "skinc: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
