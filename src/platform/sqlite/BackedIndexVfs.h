#pragma once

namespace sqlite {

// The name of the file layer every connection opens its database with: SQLite's own, with its own log
// index ("NAME-shm" beside the database, which every SQLite program shares), except that the index's pages
// are backed on the disk whenever SQLite maps them. A mapped page that the disk has no room for ends the
// process with SIGBUS at the write into it, not with an error. SQLite extends the index by writing one
// byte per memory page, which backs the whole page only where a file system block is as large as a page;
// where blocks are smaller (a small ext4), the rest of each page is backed here, and a disk without room
// for it fails the mapping as SQLITE_FULL ("database or disk is full"). A file system that writes every
// change to new room (btrfs) cannot be backed ahead: databases there keep no index (CopiesOnWrite.h).
// Registered on first use.
const char* BackedIndexVfs();

}  // namespace sqlite
