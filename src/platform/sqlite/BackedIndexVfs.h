#pragma once

namespace sqlite {

// The name of the file layer every connection opens its database with: SQLite's own, except that the pages
// of a log's index (the memory-mapped "-shm" file) are backed on the disk whenever SQLite maps them. SQLite
// extends the index by writing one byte per memory page, which backs the whole page only where a file
// system block is as large as a page; where blocks are smaller, a write into the rest of the page on a full
// disk would end the process with SIGBUS. Backed first, the index's mapping fails as SQLITE_FULL instead
// ("database or disk is full"), and nothing else changes. Registered on first use.
const char* BackedIndexVfs();

}  // namespace sqlite
