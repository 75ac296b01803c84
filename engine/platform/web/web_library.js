// Emscripten runtime functions that code in EM_ASM blocks calls but that the
// linker cannot see being used: SDL's Web Audio output resumes its
// AudioContext on the first click or key (autoResumeAudioContext) and calls
// back into the program from its audio process (dynCall). Linked in by
// naming zephra_runtime_functions in DEFAULT_LIBRARY_FUNCS_TO_INCLUDE.
mergeInto(LibraryManager.library, {
  zephra_runtime_functions__deps: ['$autoResumeAudioContext', '$dynCall'],
  zephra_runtime_functions: function() {},
});
