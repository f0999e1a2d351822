// demodata OUTDIR: writes the demo product's bulk data below OUTDIR/Qelvane/Data,
// the same bytes on every run and machine (about 7 MB; deflate keeps about
// two thirds of it, like an application's files).
//
// How the files are made: TDataGen with a fixed seed per file produces
// program-code-like bytes (plugins), already-compressed media (the sound and
// picture packs), prose in a made-up vocabulary (the manual and the log of
// changes) and tables of fixed-size records (the map and the catalogue).
// Nothing here is meaningful content; it gives the installer realistic sizes,
// file counts and compression to work on.
#include "tools/demodata/DataGen.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace qelvane;
namespace fs = std::filesystem;

namespace {

enum class TKind { Code, Media, Text, Records };

struct TDemoFile {
  const char* Path; // below OUTDIR/Qelvane/Data, UTF-8
  TKind Kind;
  size_t Size;
};

const TDemoFile DemoFiles[] = {
    {"Plugins/render.dll", TKind::Code, 1800000},
    {"Plugins/network.dll", TKind::Code, 700000},
    {"Media/sounds.pak", TKind::Media, 1500000},
    {"Media/pictures.pak", TKind::Media, 900000},
    {"Text/manual.txt", TKind::Text, 600000},
    {"Text/更新日志.txt", TKind::Text, 150000},
    {"Maps/world/region01.map", TKind::Records, 800000},
    {"Maps/world/region02.map", TKind::Records, 450000},
    {"Index/catalog.db", TKind::Records, 300000},
};

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demodata OUTDIR   writes OUTDIR/Qelvane/Data/...\n");
    return 2;
  }
  try {
    uint64_t seed = 1;
    for (const TDemoFile& f : DemoFiles) {
      TDataGen gen(seed++);
      std::string data;
      switch (f.Kind) {
      case TKind::Code:
        data = gen.Code(f.Size);
        break;
      case TKind::Media:
        data = gen.Media(f.Size);
        break;
      case TKind::Text:
        data = gen.Text(f.Size);
        break;
      case TKind::Records:
        data = gen.Records(f.Size);
        break;
      }
      const fs::path path = fs::path(argv[1]) / "Qelvane" / "Data" / fs::path(f.Path);
      fs::create_directories(path.parent_path());
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(data.data(), static_cast<std::streamsize>(data.size()));
      out.close();
      if (!out) throw std::runtime_error("cannot write " + path.string());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "demodata: %s\n", e.what());
    return 1;
  }
  return 0;
}
