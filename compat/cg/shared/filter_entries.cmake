# cg_write_filter_entries(HEADER OUT): writes a C file that defines every
# cgGL call HEADER declares as an entry of the filter library libCgGL. The
# dynamic linker resolves them in libCg; an entry's own body runs only where
# the filter was ignored, and then stops the program instead of running a
# second, separate runtime.
function(cg_write_filter_entries header out)
  file(READ ${header} text)
  # Comments name calls too; only declarations count.
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" text "${text}")
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")
  string(REGEX MATCHALL "cgGL[A-Za-z0-9_]*[ \t\n]*\\(" calls "${text}")
  list(TRANSFORM calls REPLACE "[ \t\n]*\\($" "")
  list(REMOVE_DUPLICATES calls)
  list(SORT calls)
  set(code "/* Generated from Cg/cgGL.h: the entries of libCgGL, a filter on libCg. */\n")
  string(APPEND code "#include <stdio.h>\n#include <stdlib.h>\n\n")
  string(APPEND code "static void filterIgnored(const char* name) {\n")
  string(APPEND code "    fprintf(stderr, \"libCgGL: %s was not taken from libCg: \"\n")
  string(APPEND code "                    \"this dynamic linker ignores ELF filters\\n\", name);\n")
  string(APPEND code "    abort();\n}\n\n")
  foreach(call ${calls})
    string(APPEND code "void ${call}(void) { filterIgnored(\"${call}\"); }\n")
  endforeach()
  file(WRITE ${out}.new "${code}")
  file(COPY_FILE ${out}.new ${out} ONLY_IF_DIFFERENT)
  file(REMOVE ${out}.new)
endfunction()
