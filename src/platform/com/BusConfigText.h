#pragma once

#include <string>

namespace com {

// A value inside a D-Bus address ("unix:path=VALUE"): every byte but [-0-9A-Za-z_/.\*] as %XX, so that a
// blank, a quote, ',', ';', '=' or a non-ASCII byte of a path stays part of it.
std::string EscapeAddressValue(const std::string& value);

// Text inside an XML element: '&', '<', '>' and the quotes as entities, control characters as character
// references.
std::string EscapeXmlText(const std::string& text);

}  // namespace com
