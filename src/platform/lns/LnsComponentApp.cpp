#include "platform/lns/LnsComponentApp.h"

#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/storage/DatabaseSource.h"

namespace lns {

std::string LnsComponentApp::Text(ComponentAppField field) const {
  return GetComponentAppText(source_->Database(), id_, field);
}

long LnsComponentApp::Number(ComponentAppField field) const {
  return static_cast<long>(GetComponentAppNumber(source_->Database(), id_, field));
}

void LnsComponentApp::PutText(ComponentAppField field, std::string_view value) {
  PutComponentAppText(source_->Database(), id_, field, value);
}

void LnsComponentApp::PutNumber(ComponentAppField field, long value) {
  PutComponentAppNumber(source_->Database(), id_, field, value);
}

std::string LnsComponentApp::GetName() const {
  return Text(ComponentAppField::Name);
}
std::string LnsComponentApp::GetProgId() const {
  return Text(ComponentAppField::ProgId);
}
long LnsComponentApp::GetObjectClass() const {
  return Number(ComponentAppField::ObjectClass);
}
long LnsComponentApp::GetCommandId() const {
  return Number(ComponentAppField::CommandId);
}
void LnsComponentApp::PutCommandId(long commandId) {
  PutNumber(ComponentAppField::CommandId, commandId);
}
std::string LnsComponentApp::GetText() const {
  return Text(ComponentAppField::Text);
}
void LnsComponentApp::PutText(std::string_view text) {
  PutText(ComponentAppField::Text, text);
}
std::string LnsComponentApp::GetVersion() const {
  return Text(ComponentAppField::Version);
}
void LnsComponentApp::PutVersion(std::string_view version) {
  PutText(ComponentAppField::Version, version);
}
std::string LnsComponentApp::GetManufacturerId() const {
  return Text(ComponentAppField::ManufacturerId);
}
void LnsComponentApp::PutManufacturerId(std::string_view manufacturerId) {
  PutText(ComponentAppField::ManufacturerId, manufacturerId);
}
bool LnsComponentApp::GetDefault() const {
  return Number(ComponentAppField::Default) != 0;
}
void LnsComponentApp::PutDefault(bool isDefault) {
  PutNumber(ComponentAppField::Default, isDefault ? 1 : 0);
}

long LnsComponentApps::Count() const {
  return static_cast<long>(CountComponentApps(source_->Database(), key_));
}

LnsComponentApp LnsComponentApps::Item(long position) const {
  auto id = ComponentAppAt(source_->Database(), key_, position);
  if (!id) ThrowBadPosition(position, static_cast<std::size_t>(Count()), "the component applications");
  return LnsComponentApp(source_, *id);
}

LnsComponentApp LnsComponentApps::Item(std::string_view name) const {
  auto id = ComponentAppNamed(source_->Database(), key_, name);
  if (!id) ThrowNoItemNamed("this place", "component application", name);
  return LnsComponentApp(source_, *id);
}

LnsComponentApp LnsComponentApps::Add(std::string_view name, std::string_view progId, long objectClass) {
  return LnsComponentApp(source_, AddComponentApp(source_->Database(), key_, name, progId, objectClass));
}

void LnsComponentApps::Remove(long position) {
  auto id = ComponentAppAt(source_->Database(), key_, position);
  if (!id) ThrowBadPosition(position, static_cast<std::size_t>(Count()), "the component applications");
  RemoveComponentApp(source_->Database(), *id);
}

void LnsComponentApps::Remove(std::string_view name) {
  auto id = ComponentAppNamed(source_->Database(), key_, name);
  if (!id) ThrowNoItemNamed("this place", "component application", name);
  RemoveComponentApp(source_->Database(), *id);
}

}  // namespace lns
