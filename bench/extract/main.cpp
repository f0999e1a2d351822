// extractbench WORKDIR: prepares the extraction benchmark that scripts/bench
// times. Generates an application-like payload (about 110 MB in 40 files, some
// deeply nested and some with Chinese names) below WORKDIR/src, packs it with
// the packer's code into WORKDIR/payload.bin, makes WORKDIR/payload.zip
// (zip -6 -r) and WORKDIR/payload.tar.gz of the same files, prints the sizes and
// compression ratios and writes them as shell variables to WORKDIR/sizes.env.
//
// The mix of kinds (program code, already-compressed media, text, record
// tables) is chosen so that deflate keeps about 64% of the bytes, as for a
// real application's files.
#include "tools/demodata/DataGen.h"
#include "tools/mkpayload/PackFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace qelvane;
namespace fs = std::filesystem;

namespace {

enum class TKind { Code, Media, Text, Records };

struct TBenchFile {
  const char* Path; // below src/Qelvane, UTF-8
  TKind Kind;
  size_t Size;
};

constexpr size_t KB = 1000, MB = 1000 * 1000;

const TBenchFile BenchFiles[] = {
    {"Lumox.exe", TKind::Code, 14 * MB},
    {"Uninstall.exe", TKind::Code, 600 * KB},
    {"Update.exe", TKind::Code, 1200 * KB},
    {"LumoxCore.dll", TKind::Code, 9 * MB},
    {"LumoxUI.dll", TKind::Code, 5 * MB},
    {"MediaCodec.dll", TKind::Code, 7 * MB},
    {"Network.dll", TKind::Code, 2 * MB},
    {"Crypto.dll", TKind::Code, 1500 * KB},
    {"Script.dll", TKind::Code, 1 * MB},
    {"Plugins/Render/render.dll", TKind::Code, 2 * MB},
    {"Plugins/Render/shaders.pak", TKind::Text, 900 * KB},
    {"Plugins/Voice/voice.dll", TKind::Code, 1300 * KB},
    {"Plugins/Voice/voice.pak", TKind::Media, 2 * MB},
    {"Plugins/Share/share.dll", TKind::Code, 800 * KB},
    {"Resources/skin.pak", TKind::Media, 8 * MB},
    {"Resources/sounds.pak", TKind::Media, 5 * MB},
    {"Resources/pictures.pak", TKind::Media, 4 * MB},
    {"Resources/Video/intro.mp4", TKind::Media, 5 * MB},
    {"Resources/Fonts/ui.ttf", TKind::Code, 3 * MB},
    {"Resources/Fonts/字体.ttf", TKind::Code, 2 * MB},
    {"Data/catalog.db", TKind::Records, 10 * MB},
    {"Data/Maps/region01.map", TKind::Records, 4 * MB},
    {"Data/Maps/region02.map", TKind::Records, 4 * MB},
    {"Data/Maps/region03.map", TKind::Records, 1500 * KB},
    {"Data/Strings/zh-CN.lng", TKind::Text, 4 * MB},
    {"Data/Strings/en-US.lng", TKind::Text, 3 * MB},
    {"Data/Templates/Deep/Level3/Level4/Level5/template.dat", TKind::Records, 700 * KB},
    {"Data/Templates/Deep/Level3/Level4/Level5/空.dat", TKind::Records, 0},
    {"Help/manual.htm", TKind::Text, 5 * MB},
    {"Help/说明.txt", TKind::Text, 40 * KB},
    {"Help/Images/screens.pak", TKind::Media, 2 * MB},
    {"Config/settings.xml", TKind::Text, 12 * KB},
    {"Config/LogedinUsers.XML", TKind::Text, 2 * KB},
    {"Users/Default/profile.ini", TKind::Text, 1 * KB},
    {"Logs/session.log", TKind::Text, 0},
    {"License.txt", TKind::Text, 30 * KB},
    {"readme.txt", TKind::Text, 8 * KB},
    {"msvcp.dll", TKind::Code, 600 * KB},
    {"vcruntime.dll", TKind::Code, 100 * KB},
    {"Lumox.exe.manifest", TKind::Text, 1 * KB},
};

std::string Generate(const TBenchFile& f, uint64_t seed) {
  TDataGen gen(seed);
  switch (f.Kind) {
  case TKind::Code:
    return gen.Code(f.Size);
  case TKind::Media:
    return gen.Media(f.Size);
  case TKind::Text:
    return gen.Text(f.Size);
  case TKind::Records:
    return gen.Records(f.Size);
  }
  return {};
}

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

std::string Quoted(const fs::path& p) {
  std::string out = "'";
  for (char c : p.string())
    out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: extractbench WORKDIR\n");
    return 2;
  }
  try {
    const fs::path work = fs::absolute(argv[1]);
    const fs::path src = work / "src";
    fs::remove_all(src);
    uint64_t dataSize = 0, largest = 0, seed = 100;
    for (const TBenchFile& f : BenchFiles) {
      const std::string data = Generate(f, seed++);
      const fs::path path = src / "Qelvane" / fs::path(f.Path);
      fs::create_directories(path.parent_path());
      std::ofstream out(path, std::ios::binary);
      out.write(data.data(), static_cast<std::streamsize>(data.size()));
      if (!out) throw std::runtime_error("cannot write " + path.string());
      dataSize += data.size();
      largest = std::max<uint64_t>(largest, data.size());
    }

    const fs::path payload = work / "payload.bin", zip = work / "payload.zip", tgz = work / "payload.tar.gz";
    const uint64_t inflated = PackFolder(src.string(), payload.string(), {6, true});
    fs::remove(zip);
    Run("cd " + Quoted(src) + " && zip -6 -r -q " + Quoted(zip) + " Qelvane");
    Run("tar -czf " + Quoted(tgz) + " -C " + Quoted(src) + " Qelvane");

    const uint64_t payloadSize = fs::file_size(payload), zipSize = fs::file_size(zip), tgzSize = fs::file_size(tgz);
    const size_t count = sizeof BenchFiles / sizeof BenchFiles[0];
    std::printf("payload: %zu files, %.1f MB of data (largest %.1f MB), archive inflates to %.1f MB\n", count,
                dataSize / 1e6, largest / 1e6, inflated / 1e6);
    std::printf("compressed: payload.bin %.1f MB (%.1f%%), payload.zip %.1f MB (%.1f%%), payload.tar.gz %.1f MB "
                "(%.1f%%)\n",
                payloadSize / 1e6, 100.0 * payloadSize / inflated, zipSize / 1e6, 100.0 * zipSize / dataSize,
                tgzSize / 1e6, 100.0 * tgzSize / dataSize);
    std::ofstream env(work / "sizes.env");
    env << "FILES=" << count << "\nDATA_BYTES=" << dataSize << "\nLARGEST_BYTES=" << largest
        << "\nINFLATED_BYTES=" << inflated << "\nPAYLOAD_BYTES=" << payloadSize << "\nZIP_BYTES=" << zipSize
        << "\nTGZ_BYTES=" << tgzSize << "\n";
    if (!env) throw std::runtime_error("cannot write sizes.env");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "extractbench: %s\n", e.what());
    return 1;
  }
  return 0;
}
