#pragma once

#include "namedb/SqliteDatabase.h"

// The program's one connection to the in-memory name database, shared by the window thread, the
// loading thread and the generation worker (the engine is in serialized mode).
SqliteDatabase& NameDb();
