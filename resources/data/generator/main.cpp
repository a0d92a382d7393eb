// Writes the library database from the data files:
// varm_libgen <data folder> <database file> <language table>.
#include <exception>
#include <iostream>

#include "Komponenten.h"
#include "Kosten.h"
#include "LibraryWriter.h"
#include "Orte.h"
#include "Projekte.h"
#include "Sprache.h"
#include "Towns.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: varm_libgen <data folder> <library database> <language table>\n";
        return 2;
    }
    try {
        libgen::LadeSprachtabelle(argv[3]);
        const libgen::Quellen quellen = libgen::LadeQuellen(argv[1]);
        libgen::LibraryWriter w(argv[2]);
        libgen::SchreibeInfo(w, quellen);
        libgen::SchreibeLaender(w, quellen);
        libgen::SchreibeOrte(w, quellen);
        libgen::SchreibeBodenarten(w, quellen);
        libgen::SchreibeRohrdaten(w, quellen);
        libgen::SchreibeTarife(w, quellen);
        libgen::SchreibeBetriebskosten(w, quellen);
        libgen::SchreibeWaermepumpen(w, quellen);
        libgen::SchreibeKollektor(w, quellen);
        libgen::SchreibeProjekte(w, quellen);
        w.Flush();
    } catch (const std::exception& e) {
        std::cerr << "varm_libgen: " << e.what() << "\n";
        return 1;
    } catch (...) {
        // The core reports its own failures in a box (printed when headless) and throws.
        std::cerr << "varm_libgen: the database could not be written\n";
        return 1;
    }
    return 0;
}
