# Turns the list files into one C++ source so the program carries the lists inside itself, while
# the name-database builder keeps reading the same files. Run with -P, given LIST_DIR and OUTPUT.
set(lists male_pool female_pool classic_male_double classic_female_double classic_male_single
    classic_female_single)
set(source "// Generated from generation/lists/*.txt at build time; edit the .txt files instead.\n")
string(APPEND source "#include \"generation/BuiltinLists.h\"\n\nnamespace builtin_text {\n")
foreach(list ${lists})
  file(READ ${LIST_DIR}/${list}.txt content)
  string(STRIP "${content}" content)
  string(APPEND source "extern const char* const ${list} = R\"list(${content})list\";\n")
endforeach()
string(APPEND source "}  // namespace builtin_text\n")
file(WRITE ${OUTPUT}.tmp "${source}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
