#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A small ext4 file system of its own, in an image file mounted through a loop device, for tests that cut
// the power: PowerCut() stops the file system at once without writing its journal, as a power cut leaves a
// disk, and Remount() mounts what the disk then holds. It is mounted with noauto_da_alloc, so that ext4's
// heuristics for files replaced by a rename do not hide a missing sync. Needs root and loop devices: when
// they are missing (or mounting fails), Available() is false and WhyNot() says why, for the test to skip
// with. FillUp() stands for a full disk.
class LoopMount {
 public:
  LoopMount();
  ~LoopMount();
  LoopMount(const LoopMount&) = delete;
  LoopMount& operator=(const LoopMount&) = delete;

  bool Available() const { return mounted_; }
  const std::string& WhyNot() const { return whyNot_; }
  // The mounted file system's top folder.
  const std::filesystem::path& Path() const { return mountPoint_; }

  // Everything not yet on the disk is lost; the file system refuses all access from here on. False, with
  // WhyNot(), when the file system could not be stopped.
  bool PowerCut();
  // Unmounts and mounts the image again (the journal is replayed); false, with WhyNot(), when it fails.
  bool Remount();
  // Fills the file system to its last block (the blocks kept for root, too) with one file; false, with
  // WhyNot(), when the file cannot be written. MakeRoom() removes that file again.
  bool FillUp();
  void MakeRoom();

 private:
  bool Mount();
  void Unmount();

  std::filesystem::path folder_;  // holds the image and the mount point
  std::filesystem::path image_;
  std::filesystem::path mountPoint_;
  bool mounted_ = false;
  std::string whyNot_;
};

}  // namespace testsupport
