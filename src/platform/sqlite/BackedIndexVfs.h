#pragma once

namespace sqlite {

// The name of the file layer every connection opens its database with: SQLite's own, except that each page
// of a log's index (the memory-mapped "-shm" file) is reserved on the disk whenever it is mapped. SQLite
// extends the index by writing one byte per memory page, which backs the whole page only where a file
// system block is as large as a page; on a full disk a write into the rest of the page would end the
// process with SIGBUS. Reserved first, such a write fails as SQLITE_FULL instead ("database or disk is
// full"), and nothing else changes. Registered on first use.
const char* BackedIndexVfs();

}  // namespace sqlite
