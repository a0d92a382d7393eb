#pragma once
// The English language module as the program loads it: its language table in the core
// library and itself the current resource module. Loaded once per test program.
namespace testsupport {

void LadeEnglischeTexte();

}  // namespace testsupport
