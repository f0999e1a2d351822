// skindump: prints a binary tree document in the skin manifest form.
//
//   skindump DOC [-o OUT] [--files DIR]   the manifest (stdout or OUT); Binary
//                                         values as hex:, or as files in DIR
//   skindump DOC --stats                  size and node counts only
//   skindump --check DOC                  vocabulary keys missing or mistyped
#include "core/btd/BinaryTreeDocument100.h"
#include "core/skinfile/SkinVocabularyCheck.h"
#include "core/text/TextConvert.h"
#include "tools/skinc/ManifestWriter.h"

#include <array>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;
using namespace qelvane;

namespace {

int Usage() {
  std::cerr << "usage: skindump DOC [-o OUT] [--files DIR] [--stats]\n"
               "       skindump --check DOC\n";
  return 2;
}

struct TStats {
  size_t Nodes = 0;
  size_t Depth = 0;
  std::array<size_t, NodeTypeCount100> PerType{};
  size_t BinaryBytes = 0;
};

TStats Measure(const TBinaryTreeDocument100& ADoc) {
  TStats stats;
  std::vector<std::pair<const TBinTreeNode100*, size_t>> stack{{&ADoc.TopNode(), 0}};
  while (!stack.empty()) {
    auto [node, depth] = stack.back();
    stack.pop_back();
    ++stats.Nodes;
    stats.Depth = std::max(stats.Depth, depth);
    ++stats.PerType[node->NodeType()];
    if (node->NodeType() == nt100_Binary) stats.BinaryBytes += node->DataSize();
    for (int i = 0; i < node->ChildNodes().Count(); ++i)
      stack.push_back({node->ChildNodes()[i], depth + 1});
  }
  return stats;
}

void PrintSummary(std::ostream& AOut, const std::string& AFile, uint64_t AFileSize, const TBinaryTreeDocument100& ADoc,
                  bool APerType) {
  TStats stats = Measure(ADoc);
  AOut << AFile << ": " << AFileSize << " bytes, " << stats.Nodes << " nodes, depth " << stats.Depth << ", "
       << stats.PerType[nt100_Binary] << " Binary values with " << stats.BinaryBytes << " bytes\n";
  if (ADoc.DataSize() != AFileSize)
    AOut << AFile << ": note: re-saved it would be " << ADoc.DataSize()
         << " bytes (trailing bytes, or names and values a load normalises)\n";
  if (APerType)
    for (uint32_t t = 0; t < NodeTypeCount100; ++t)
      if (stats.PerType[t] > 0) AOut << "  " << NodeTypeName100(t) << ": " << stats.PerType[t] << "\n";
}

} // namespace

int main(int argc, char** argv) {
  std::string docFile, output, filesDir;
  bool check = false, statsOnly = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-o" && i + 1 < argc)
      output = argv[++i];
    else if (arg == "--files" && i + 1 < argc)
      filesDir = argv[++i];
    else if (arg == "--check")
      check = true;
    else if (arg == "--stats")
      statsOnly = true;
    else if (!arg.empty() && arg[0] != '-' && docFile.empty())
      docFile = arg;
    else
      return Usage();
  }
  if (docFile.empty() || (check && (statsOnly || !output.empty() || !filesDir.empty()))) return Usage();

  TBinaryTreeDocument100 doc;
  uint64_t fileSize = 0;
  try {
    doc.LoadFromFile(docFile);
    fileSize = fs::file_size(docFile);
  } catch (const std::exception& e) {
    std::cerr << "skindump: " << docFile << ": " << e.what() << "\n";
    return 1;
  }

  if (check) {
    std::vector<TSkinVocabularyProblem> problems = CheckSkinVocabulary(doc);
    for (const auto& p : problems)
      std::cout << Utf16ToUtf8(p.Path) << ": " << p.Text << "\n";
    if (!problems.empty()) {
      std::cout << docFile << ": " << problems.size() << " vocabulary problem(s)\n";
      return 1;
    }
    std::cout << docFile << ": every vocabulary key present with its node type\n";
    return 0;
  }
  if (statsOnly) {
    PrintSummary(std::cout, docFile, fileSize, doc, true);
    return 0;
  }

  try {
    TManifestWriteOptions options;
    options.FilesDir = filesDir;
    if (output.empty()) {
      options.ManifestDir = fs::current_path();
      WriteManifest(doc, std::cout, options);
      std::cout.flush();
      if (!std::cout) throw EStreamError("Stream write error");
    } else {
      options.ManifestDir = fs::absolute(output).parent_path();
      std::ostringstream text;
      WriteManifest(doc, text, options);
      std::ofstream out(output, std::ios::binary | std::ios::trunc);
      out << text.str();
      out.close();
      if (!out) throw EStreamError("Cannot write \"" + output + "\"");
    }
  } catch (const std::exception& e) {
    std::cerr << "skindump: " << e.what() << "\n";
    return 1;
  }
  PrintSummary(std::cerr, docFile, fileSize, doc, false);
  return 0;
}
