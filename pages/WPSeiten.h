#pragma once
// The two heat-pump pages join the application's master-data sheet: the data page (page
// kind 3) and the choice page (page kind 10) register their makers when the program starts.
void RegistriereWPSeiten();
