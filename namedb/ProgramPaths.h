#pragma once

#include <filesystem>

// The folder of the running program; data/ and Help/ lie beside it. Set once by main().
void SetProgramDirectory(const std::filesystem::path& directory);
std::filesystem::path ProgramDirectory();
// data/ beside the program: the name database, page files and exports.
std::filesystem::path DataDirectory();
