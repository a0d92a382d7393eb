#pragma once
// Countries and the climate, weather and sun locations of the towns, with the standard
// weather and ground entries that the program computes from the climate.
#include "LibraryWriter.h"
#include "Towns.h"

namespace libgen {

// The record names the library gives a town's locations (empty when it has none).
struct OrtNamen {
    CVRMString klima, wetter, sonne;
};
OrtNamen NamenVon(const Town& town, const Quellen& q);

void SchreibeLaender(LibraryWriter& w, const Quellen& q);
void SchreibeOrte(LibraryWriter& w, const Quellen& q);

}  // namespace libgen
