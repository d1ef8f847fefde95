#include "server/dbus/PlugInProperties.h"

#include <array>

#include "framework/LNSPlugInAPI.h"

namespace com {

namespace {

using qvr::LNSPlugInAPI;

QVariant Text(const std::string& text) {
  return QString::fromStdString(text);
}
std::string Text(const QVariant& value) {
  return value.toString().toStdString();
}

const std::array<PlugInProperty, 15> kProperties{{
    {"Visible", QMetaType::Bool, [](const LNSPlugInAPI& o) { return QVariant(o.Visible()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetVisible(v.toBool()); }},
    {"networkName", QMetaType::QString, [](const LNSPlugInAPI& o) { return Text(o.networkName()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetNetworkName(Text(v)); }},
    {"NetworkInterfaceName", QMetaType::QString,
     [](const LNSPlugInAPI& o) { return Text(o.NetworkInterfaceName()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetNetworkInterfaceName(Text(v)); }},
    {"Remote", QMetaType::Bool, [](const LNSPlugInAPI& o) { return QVariant(o.Remote()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetRemote(v.toBool()); }},
    {"Height", QMetaType::Int, [](const LNSPlugInAPI& o) { return QVariant(o.Height()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetHeight(v.toInt()); }},
    {"Width", QMetaType::Int, [](const LNSPlugInAPI& o) { return QVariant(o.Width()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetWidth(v.toInt()); }},
    {"Left", QMetaType::Int, [](const LNSPlugInAPI& o) { return QVariant(o.Left()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetLeft(v.toInt()); }},
    {"Top", QMetaType::Int, [](const LNSPlugInAPI& o) { return QVariant(o.Top()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetTop(v.toInt()); }},
    {"Minimized", QMetaType::Bool, [](const LNSPlugInAPI& o) { return QVariant(o.Minimized()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetMinimized(v.toBool()); }},
    {"ManufacturerID", QMetaType::QString, [](const LNSPlugInAPI& o) { return Text(o.ManufacturerID()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetManufacturerID(Text(v)); }, true},
    {"ManufacturerName", QMetaType::QString, [](const LNSPlugInAPI& o) { return Text(o.ManufacturerName()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetManufacturerName(Text(v)); }, true},
    {"LcaVersion", QMetaType::QString, [](const LNSPlugInAPI& o) { return Text(o.LcaVersion()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetLcaVersion(Text(v)); }, true},
    {"Version", QMetaType::QString, [](const LNSPlugInAPI& o) { return Text(o.Version()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetVersion(Text(v)); }, true},
    {"Name", QMetaType::QString, [](const LNSPlugInAPI& o) { return Text(o.Name()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetName(Text(v)); }, true},
    {"DevelopmentProgramId", QMetaType::QString,
     [](const LNSPlugInAPI& o) { return Text(o.DevelopmentProgramId()); },
     [](LNSPlugInAPI& o, const QVariant& v) { o.SetDevelopmentProgramId(Text(v)); }},
}};

}  // namespace

std::span<const PlugInProperty> PlugInProperties() {
  return kProperties;
}

const PlugInProperty* FindPlugInProperty(const QString& name) {
  for (const PlugInProperty& property : kProperties) {
    if (name == QLatin1String(property.name)) return &property;
  }
  return nullptr;
}

}  // namespace com
