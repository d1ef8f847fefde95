#pragma once

#include <string>

namespace testsupport {

// Compares `text` with the reviewed file golden/`name`.txt beside `sourceFile` (the caller's __FILE__).
// A difference fails the test and leaves the new text in the build folder as golden-actual/`name`.actual
// for review; with QVR_WRITE_GOLDEN=1 the golden file is rewritten instead.
void ExpectGolden(const char* sourceFile, const std::string& name, const std::string& text);

}  // namespace testsupport
