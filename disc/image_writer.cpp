// Writes a planned image (image_writer.h).
#include "disc/image_writer.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "disc/image_layout.h"
#include "disc/image_records.h"

namespace discfront {

using Outcome = ImageWriteResult::Outcome;

namespace {

// One block of memory between the sources and the image: small structures gather
// in it, files are read straight into it, and it goes out whenever it is full.
class BlockWriter {
 public:
  BlockWriter(ImageFile& file, std::uint64_t total, const ImageProgress& progress)
      : file_(file), total_(total), progress_(progress), block_(kImageBlock) {}

  std::uint64_t Position() const { return written_ + used_; }
  bool Cancelled() const { return cancelled_; }
  std::error_code Error() const { return error_; }

  bool Append(const Bytes& bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t n = std::min(bytes.size() - at, Free());
      std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), n, Tail());
      used_ += n;
      at += n;
      if (!FlushIfFull()) return false;
    }
    return true;
  }

  bool Zeros(std::uint64_t count) {
    while (count > 0) {
      const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, Free()));
      std::fill_n(Tail(), n, 0);
      used_ += n;
      count -= n;
      if (!FlushIfFull()) return false;
    }
    return true;
  }

  bool PadToSector() { return Zeros((kSectorSize - Position() % kSectorSize) % kSectorSize); }

  char* Tail() { return block_.data() + used_; }
  std::size_t Free() const { return block_.size() - used_; }
  bool Took(std::size_t n) {
    used_ += n;
    return FlushIfFull();
  }

  bool Flush() {
    if (used_ > 0) {
      error_ = file_.Write(block_.data(), used_);
      if (error_) return false;
      written_ += used_;
      used_ = 0;
    }
    return Tell(source_);
  }

  bool Tell(const SourcePath& file) {
    source_ = file;
    if (progress_ && !progress_(Position(), total_, source_)) cancelled_ = true;
    return !cancelled_;
  }

 private:
  bool FlushIfFull() { return used_ < block_.size() || Flush(); }

  ImageFile& file_;
  std::uint64_t total_;
  const ImageProgress& progress_;
  std::vector<char> block_;
  std::size_t used_ = 0;
  std::uint64_t written_ = 0;
  SourcePath source_;  // the file being written
  bool cancelled_ = false;
  std::error_code error_;
};

ImageWriteResult Failure(BlockWriter& out) {
  ImageWriteResult result;
  result.outcome = out.Cancelled() ? Outcome::kCancelled : Outcome::kWriteFailed;
  result.error = out.Error();
  return result;
}

// Streams one file's planned bytes, then checks that it ends where it was planned to.
ImageWriteResult CopyFile(const ImagePlan& plan, std::size_t index, FolderSource& source, BlockWriter& out) {
  const ImageNode& node = plan.nodes[index];
  ImageWriteResult result;
  result.file = plan.PathOf(index);
  if (!out.Tell(result.file)) return Failure(out);
  if (node.sector * std::uint64_t{kSectorSize} != out.Position()) throw std::logic_error("image layout");
  std::unique_ptr<SourceReader> reader = source.Open(result.file);
  if (!reader) {
    result.outcome = Outcome::kReadFailed;
    return result;
  }
  for (std::uint64_t left = node.size; left > 0;) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, out.Free()));
    const std::ptrdiff_t got = reader->Read(out.Tail(), want);
    if (got <= 0) {
      result.outcome = got < 0 ? Outcome::kReadFailed : Outcome::kFileChanged;
      return result;
    }
    left -= static_cast<std::uint64_t>(got);
    if (!out.Took(static_cast<std::size_t>(got))) return Failure(out);
  }
  char extra = 0;
  if (reader->Read(&extra, 1) != 0) {
    result.outcome = Outcome::kFileChanged;
    return result;
  }
  if (!out.PadToSector()) return Failure(out);
  result.file.clear();
  return result;
}

ImageWriteResult WriteAll(const ImagePlan& plan, FolderSource& source, BlockWriter& out) {
  const auto sector = [](std::uint32_t n) { return std::uint64_t{n} * kSectorSize; };
  bool ok = out.Zeros(sector(16)) && out.Append(VolumeDescriptors(plan));
  for (bool primary : {true, false}) {
    for (bool bigEndian : {false, true}) ok = ok && out.Append(PathTable(plan, primary, bigEndian)) && out.PadToSector();
  }
  for (bool primary : {true, false}) {
    for (std::size_t folder : primary ? plan.primaryFolders : plan.jolietFolders) {
      ok = ok && out.Append(DirectoryExtent(plan, folder, primary));
    }
  }
  if (!ok) return Failure(out);
  for (std::size_t file : plan.files) {
    if (plan.nodes[file].size == 0) continue;
    ImageWriteResult result = CopyFile(plan, file, source, out);
    if (result.outcome != Outcome::kWritten) return result;
  }
  if (out.Position() != sector(plan.sectors)) throw std::logic_error("image layout");
  if (!out.Flush()) return Failure(out);
  return {};
}

}  // namespace

ImageWriteResult WriteImage(const ImagePlan& plan, FolderSource& source, ImageFile& image,
                            const ImageProgress& progress) {
  ImageWriteResult result;
  if (const std::error_code error = image.Create()) {
    result.outcome = Outcome::kCannotCreate;
    result.error = error;
    return result;
  }
  BlockWriter out(image, plan.Bytes(), progress);
  try {
    result = WriteAll(plan, source, out);
  } catch (...) {
    image.Remove();
    throw;
  }
  if (result.outcome == Outcome::kWritten) {
    if (const std::error_code error = image.Close()) {
      result.outcome = Outcome::kWriteFailed;
      result.error = error;
    } else if (const std::error_code renameError = image.Rename()) {
      result.outcome = Outcome::kCannotRename;
      result.error = renameError;
    }
  }
  if (result.outcome != Outcome::kWritten) image.Remove();
  return result;
}

}  // namespace discfront
