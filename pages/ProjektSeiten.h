#pragma once
// The input pages of this folder join the project's data sheet: each registers the maker
// of its page kind (DatenSeitenFabrik.h) when the program starts.
void RegistriereProjektSeiten();
