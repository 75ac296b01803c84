/* libCg is the static runtime linked whole; a shared library needs a source. */
typedef int cgSharedLibraryHasNoCodeOfItsOwn;
