// Test module without an ordinal table of its own; the library it links against has one.
extern "C" int varm_test_ordinals_marker();

extern "C" __attribute__((visibility("default"))) int varm_test_dependent_answer() {
    return 40 + varm_test_ordinals_marker();
}
