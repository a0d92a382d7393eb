#pragma once
// Where a modeless window of a working call stands: a window of its own (not a child of
// the window it waits over, so that neither disabling nor taking down that window touches
// it), centred over it and kept above it.
class QWidget;

void ZeigeUeber(QWidget& fenster, QWidget* ueber);
