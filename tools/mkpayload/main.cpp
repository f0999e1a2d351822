// mkpayload: packs a folder into the installer's payload archive, lists one,
// and extracts one with the installer's own extraction code.
#include "core/payload/Payload.h"
#include "tools/mkpayload/PackFolder.h"
#include "tools/mkpayload/PayloadFileReader.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

using namespace qelvane;

namespace {

const char Usage[] = "usage: mkpayload DIR -o FILE [--level 0-9] [-q]   pack the files below DIR\n"
                     "       mkpayload --list FILE                     list the entries (name, size)\n"
                     "       mkpayload --extract FILE DIR [-q]         extract as the installer does\n"
                     "DIR's first level is the product folder (e.g. DIR/Qelvane/...). -q hides progress.\n";

int UsageError(const char* What) {
  std::fprintf(stderr, "mkpayload: %s\n%s", What, Usage);
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  enum { Pack, List, Extract } mode = Pack;
  std::string output;
  int level = 6;
  bool quiet = false;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--list") {
      mode = List;
    } else if (a == "--extract") {
      mode = Extract;
    } else if (a == "-q" || a == "--quiet") {
      quiet = true;
    } else if (a == "-o" && i + 1 < argc) {
      output = argv[++i];
    } else if (a == "--level" && i + 1 < argc) {
      const std::string v = argv[++i];
      if (v.size() != 1 || v[0] < '0' || v[0] > '9') return UsageError("the level is a digit from 0 to 9");
      level = v[0] - '0';
    } else if (a == "-h" || a == "--help") {
      std::fputs(Usage, stdout);
      return 0;
    } else if (a.size() > 1 && a[0] == '-') {
      return UsageError(("unknown option " + a).c_str());
    } else {
      args.push_back(a);
    }
  }

  try {
    switch (mode) {
    case Pack:
      if (args.size() != 1 || output.empty()) return UsageError("packing takes one folder and -o FILE");
      PackFolder(args[0], output, {level, !quiet});
      break;
    case List:
      if (args.size() != 1) return UsageError("--list takes one archive file");
      ListPayloadFile(args[0], stdout);
      break;
    case Extract:
      if (args.size() != 2) return UsageError("--extract takes an archive file and a folder");
      ExtractPayloadFile(args[0], args[1], !quiet);
      break;
    }
  } catch (const EPayloadRefused& e) {
    std::fprintf(stderr, "mkpayload: archive refused, nothing written: %s\n", e.what());
    return 1;
  } catch (const EZlibError& e) {
    std::fprintf(stderr, "mkpayload: the archive's zlib stream is damaged or truncated: %s\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "mkpayload: %s\n", e.what());
    return 1;
  }
  return 0;
}
