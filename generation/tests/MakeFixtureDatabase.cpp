// generation_fixture_database FILE: writes the stand-in name database of the generation tests and
// benchmark (every pool character, rated numbers and three-talent keys) to FILE.
#include <cstdio>

#include "generation/tests/GenerationFixture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generation_fixture_database FILE\n");
        return 2;
    }
    SqliteDatabase db;
    generation_fixture::BuildFullPoolDatabase(db);
    std::string error;
    // The path is bound, so a quote in it cannot break the statement.
    if (!db.ExecuteBound("VACUUM INTO ?", {SqlValue::Text(argv[1])}, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
