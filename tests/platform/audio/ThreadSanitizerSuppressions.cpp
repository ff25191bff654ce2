// FluidSynth loads soundfont samples with OpenMP tasks, and libgomp is not
// built for ThreadSanitizer, so its own hand-offs read as races. Our code's
// races are still reported: only stacks running through libgomp are muted.
extern "C" const char* __tsan_default_suppressions() { return "race:libgomp.so\n"; }
