#pragma once

namespace sqlite {

// The name of the file layer every connection opens its database with: SQLite's own, except that a log's
// index (the file "-shm" that SQLite maps into memory) lies on the memory file system (/dev/shm) rather
// than beside the database. A mapped file's page that the disk has no room for ends the process with
// SIGBUS at the write into it, not with an error, and a disk file system may need new room for any such
// write (btrfs writes every change anew; with blocks smaller than a page the rest of the page has none).
// In memory, the index needs no disk room: a full disk fails the log's own writes as "database or disk is
// full". The index is named by the database file's device and inode, so that every process and connection
// opening that file, by whatever path, maps the same index, and SQLite locks it as its own index; the last
// connection to close removes it. Registered on first use.
const char* MemoryIndexVfs();

}  // namespace sqlite
