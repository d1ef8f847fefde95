#pragma once

namespace sqlite {

// The name of the file layer every connection opens its database with: SQLite's own, with its own log
// index ("NAME-shm" beside the database, which every SQLite program shares), except that the index's pages
// are backed on the disk whenever SQLite maps them. A mapped page that the disk has no room for ends the
// process with SIGBUS at the write into it, not with an error. SQLite extends the index by writing one
// byte per memory page, which backs the whole page only where a file system block is as large as a page;
// where blocks are smaller (a small ext4), the rest of each page is backed here, and a disk without room
// for it fails the mapping as SQLITE_FULL ("database or disk is full"). On btrfs, which writes a change to
// new room, the index is made no-copy-on-write, so that its backed blocks are written in place
// (Overwriting.h). SQLite cuts an index that no process holds and extends it again; here it is cleared in
// place, keeping its blocks, so that a full disk still lets a database be opened and read. Registered on
// first use.
const char* BackedIndexVfs();

}  // namespace sqlite
