#include "tools/mkpayload/PackFolder.h"

#include "core/payload/Payload.h"
#include "core/payload/ZCompressor.h"
#include "core/text/TextConvert.h"
#include "tools/mkpayload/FileSource.h"
#include "tools/mkpayload/ProgressLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace qelvane {

namespace fs = std::filesystem;

namespace {

std::string ArchiveName(const fs::path& Relative, const std::string& Shown) {
  std::u16string name;
  for (const fs::path& part : Relative) {
    std::u16string wide;
    try {
      wide = Utf8ToUtf16(part.string());
    } catch (const ETextConvert&) {
      throw EPayloadBuild(Shown + ": the file name is not UTF-8 text");
    }
    if (wide.find(u'\\') != std::u16string::npos)
      throw EPayloadBuild(Shown + ": a backslash inside a file name cannot be packed");
    if (!name.empty()) name += u'\\';
    name += wide;
  }
  try {
    return Utf16ToGbk(name);
  } catch (const ETextConvert&) {
    throw EPayloadBuild(Shown + ": the name cannot be written in GBK");
  }
}

class TFileSink : public TByteSink {
public:
  explicit TFileSink(const std::string& Path) : FPath(Path), FFile(std::fopen(Path.c_str(), "wb")) {
    if (!FFile) throw std::runtime_error("cannot create " + Path + ": " + std::strerror(errno));
  }
  ~TFileSink() override {
    if (FFile) std::fclose(FFile);
  }
  void Write(const void* Data, size_t Count) override {
    if (std::fwrite(Data, 1, Count, FFile) != Count)
      throw std::runtime_error("cannot write " + FPath + ": " + std::strerror(errno));
  }
  void Close() {
    int rc = std::fclose(FFile);
    FFile = nullptr;
    if (rc != 0) throw std::runtime_error("cannot write " + FPath + ": " + std::strerror(errno));
  }

private:
  std::string FPath;
  FILE* FFile;
};

} // namespace

std::vector<TFolderFile> CollectFolder(const std::string& Dir) {
  if (!fs::is_directory(Dir)) throw std::runtime_error(Dir + " is not a folder");
  std::vector<TFolderFile> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Dir)) {
    const std::string shown = entry.path().string();
    if (entry.is_symlink() && entry.is_directory())
      throw EPayloadBuild(shown + ": symbolic links to folders are not packed");
    if (entry.is_directory()) continue;
    if (!entry.is_regular_file()) throw EPayloadBuild(shown + ": not a regular file");
    files.push_back({shown, ArchiveName(entry.path().lexically_relative(Dir), shown), entry.file_size()});
  }
  std::sort(files.begin(), files.end(), [](const TFolderFile& a, const TFolderFile& b) { return a.Name < b.Name; });
  return files;
}

uint64_t PackFolder(const std::string& Dir, const std::string& File, const TPackOptions& Options) {
  const std::vector<TFolderFile> files = CollectFolder(Dir);
  std::vector<PayloadFileInfo> infos;
  uint64_t dataSize = 0;
  for (const TFolderFile& f : files) {
    infos.push_back({f.Name, f.Size});
    dataSize += f.Size;
  }
  const std::string header = BuildPayloadHeader(infos);

  const std::string partial = File + ".part";
  try {
    TFileSink sink(partial);
    {
      TZCompressor z(sink, Options.Level);
      z.Write(header.data(), header.size());
      TProgressLine progress("packing", dataSize, Options.Progress && dataSize >= ProgressThreshold);
      auto buffer = std::make_unique_for_overwrite<char[]>(1 << 20);
      for (const TFolderFile& f : files) {
        TFileSource source(f.Path);
        uint64_t read = 0;
        while (size_t n = source.Read(buffer.get(), 1 << 20)) {
          read += n;
          if (read > f.Size) break;
          z.Write(buffer.get(), n);
          progress.Advance(n);
        }
        if (read != f.Size) throw std::runtime_error(f.Path + " changed while it was packed");
      }
      z.Finish();
    }
    sink.Close();
    fs::rename(partial, File);
  } catch (...) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    throw;
  }
  return header.size() + dataSize;
}

} // namespace qelvane
