#pragma once

namespace lns {

// Status numbers of the resource catalogue, the resource-file reader and the profile-template finder.
// Their callers examine the number only: 0 success, 4 nothing found, anything else a failure.
enum ResourceStatus : long {
  kResourceOk = 0,
  kResourceBadHandle = 1,    // a handle that is not open
  kResourceCannotOpen = 2,   // a folder or file that does not exist or cannot be read
  kResourceBadArgument = 3,  // a mode, scope, file kind, selector or program ID the call cannot take
  kResourceNotFound = 4,     // no resource set, file or template matches
  kResourceReadOnly = 5,     // a change asked of a catalogue opened read-only
  kResourceBadFile = 6,      // a malformed catalogue file or resource file
  kResourceCannotWrite = 7,  // the catalogue file cannot be written
};

// The kinds of file in a resource set, as the catalogue's callers name them.
enum ResourceFileKind : long {
  kTypeFile = 3,     // value and property types
  kProfileFile = 4,  // functional-profile templates
};

}  // namespace lns
