#pragma once

#include <string>
#include <string_view>

#include "platform/lns/InterfaceRef.h"
#include "platform/lns/LnsCollection.h"
#include "platform/lns/resources/TemplateInterface.h"

namespace lns {

class LnsComponentApps;
class LnsConfigProperties;

// A LonMark object (functional block) of an interface.
class LnsLonMarkObject {
 public:
  LnsLonMarkObject(InterfaceRef ref, const TemplateInterface::Block& block)
      : ref_(std::move(ref)), block_(&block) {}

  const std::string& GetName() const { return block_->name; }
  int GetIndex() const { return block_->index; }
  // The functional profile number (0 the node object, 3050 constant light controller, ...).
  int GetProfileType() const { return block_->profile; }

  // The resource scope (0 to 6) whose resource files describe the object on this device; 0 until set.
  int GetMode() const;
  void PutMode(int mode);

  // The properties of this object (addressed "F:index/C:scope:index").
  LnsConfigProperties GetConfigProperties() const;
  // The component applications registered for this object of the device template.
  LnsComponentApps GetComponentApps() const;

 private:
  InterfaceRef ref_;
  const TemplateInterface::Block* block_;
};

// The LonMark objects by ascending index: object n is item n + 1.
class LnsLonMarkObjects : public ListedItems<LnsLonMarkObjects, LnsLonMarkObject> {
 public:
  explicit LnsLonMarkObjects(InterfaceRef ref) : ref_(std::move(ref)) {}

 private:
  friend ListedItems<LnsLonMarkObjects, LnsLonMarkObject>;

  const std::vector<TemplateInterface::Block>& Listed() const;
  LnsLonMarkObject Made(const TemplateInterface::Block& entry) const { return LnsLonMarkObject(ref_, entry); }
  std::string Owner() const { return ref_.OwnerLabel(); }
  static std::string_view What() { return "LonMark object"; }

  InterfaceRef ref_;
};

}  // namespace lns
