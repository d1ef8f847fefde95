#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/lns/InterfaceRef.h"
#include "platform/lns/resources/TemplateInterface.h"

namespace lns {

// A configuration property of a device, a LonMark object or a network variable. Its value lives in the
// network database: readable and writable whatever the device's state; a write to an online device reaches
// the device too and may be refused by its faults. A template's properties show their delivered values.
class LnsConfigProperty {
 public:
  LnsConfigProperty(InterfaceRef ref, const TemplateInterface::ConfigProperty& cp)
      : ref_(std::move(ref)), cp_(&cp) {}

  int GetResourceScope() const { return cp_->scope; }
  int GetTypeIndex() const { return cp_->typeIndex; }
  const std::string& GetTypeName() const { return cp_->typeName; }

  std::string GetValue() const;
  void PutValue(std::string_view text);

 private:
  InterfaceRef ref_;
  const TemplateInterface::ConfigProperty* cp_;
};

// Properties of one owner in the interface's order; positions count from 1.
class LnsConfigProperties {
 public:
  // `positions` belong to the interface that `ref` holds.
  LnsConfigProperties(InterfaceRef ref, std::span<const int> positions)
      : ref_(std::move(ref)), positions_(positions) {}

  long Count() const { return static_cast<long>(positions_.size()); }
  LnsConfigProperty Item(long position) const;

 private:
  InterfaceRef ref_;
  std::span<const int> positions_;
};

}  // namespace lns
