#pragma once

#include "platform/sqlite/Database.h"

namespace lns {

// How the Object Server opens its database files: a writer waits up to 30 s for another process's lock, a
// commit is on the disk within 50 ms, and every database failure is raised as LnsError (kLnsDatabase).
sqlite::OpenOptions DatabaseOptions();

}  // namespace lns
