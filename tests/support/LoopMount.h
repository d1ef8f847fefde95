#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace testsupport {

// A small file system of its own, in an image file mounted through a loop device. The ext4 one (32 MB, so
// with 1 KB blocks) serves tests that cut the power: PowerCut() stops the file system at once without
// writing its journal, as a power cut leaves a disk, and Remount() mounts what the disk then holds. It is
// mounted with noauto_da_alloc, so that ext4's heuristics for files replaced by a rename do not hide a
// missing sync. The btrfs one (128 MB, btrfs's smallest with its own room for metadata) has 4 KB blocks
// and writes every change to new room. Needs root, loop devices and the file system's mkfs: when they are
// missing (or mounting fails), Available() is false and WhyNot() says why, for the test to skip with.
// FillUp() stands for a full disk.
class LoopMount {
 public:
  enum class FileSystem { kExt4, kBtrfs };

  explicit LoopMount(FileSystem kind = FileSystem::kExt4);
  ~LoopMount();
  LoopMount(const LoopMount&) = delete;
  LoopMount& operator=(const LoopMount&) = delete;

  bool Available() const { return mounted_; }
  const std::string& WhyNot() const { return whyNot_; }
  // The mounted file system's top folder.
  const std::filesystem::path& Path() const { return mountPoint_; }

  // Everything not yet on the disk is lost; the file system refuses all access from here on. False, with
  // WhyNot(), when the file system could not be stopped. ext4 only.
  bool PowerCut();
  // Unmounts and mounts the image again (the journal is replayed); false, with WhyNot(), when it fails.
  bool Remount();
  // Fills the file system to its last block (the blocks kept for root, too) with one file, then frees
  // `left` bytes again (as blocks of a file of that size); false, with WhyNot(), when the file cannot be
  // written. MakeRoom() removes that file again.
  bool FillUp(std::size_t left = 0);
  void MakeRoom();

 private:
  bool Mount();
  void Unmount();

  FileSystem kind_;
  std::filesystem::path folder_;  // holds the image and the mount point
  std::filesystem::path image_;
  std::filesystem::path mountPoint_;
  bool mounted_ = false;
  std::string whyNot_;
};

}  // namespace testsupport
