#pragma once
// The program the desktop opens ".doc" files with: its command, and the program part of
// the command, which is the default of the report-program option.
#include "core/value/VRMString.h"

// The command line of the desktop's default application for Word documents, with its
// field codes (%f, %u, ...) removed; empty when none is registered.
CVRMString DocKommandoDesSystems();

// The program part of a command: up to and including a quote that is followed by a blank
// (a quoted path), else everything before the first blank, else the whole command.
CVRMString ProgrammAusKommando(const CVRMString& kommando);
