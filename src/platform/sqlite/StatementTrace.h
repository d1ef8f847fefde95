#pragma once

namespace sqlite {

// From now on, every connection the process opens hands the text of each statement it runs to `observer`
// (one observer for the process; a later call replaces it). Measurements of what a story costs in SQL use
// it; connections already open are not seen.
void TraceStatements(void (*observer)(const char* sql));

}  // namespace sqlite
