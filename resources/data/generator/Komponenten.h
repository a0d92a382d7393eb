#pragma once
// The master data of the library: soil types, antifreezes, tube materials, collector
// coverings, tariffs, heat pumps with their performance records and the standard solar
// collectors with their yield records.
#include "LibraryWriter.h"
#include "Towns.h"
#include "Transposition.h"

namespace libgen {

void SchreibeInfo(LibraryWriter& w, const Quellen& q);
void SchreibeBodenarten(LibraryWriter& w, const Quellen& q);
void SchreibeRohrdaten(LibraryWriter& w, const Quellen& q);
void SchreibeTarife(LibraryWriter& w, const Quellen& q);
void SchreibeWaermepumpen(LibraryWriter& w, const Quellen& q);
void SchreibeKollektor(LibraryWriter& w, const Quellen& q);

// The soil rows the library takes from soil.csv: those citing EN 17522 / VDI 4640 and the
// rock and soil table of the ground-loop design library, each name once.
bool IstBodenQuelle(const CsvRow& row);
// Monthly yield (kWh/m²) of a collector at a mean temperature, on the horizontal.
Monate KollektorErtrag(double eta0, double a1, double a2, double mittelTemp, const Monate& ghi,
                       const Monate& luftTemp, double breiteGrad);

}  // namespace libgen
