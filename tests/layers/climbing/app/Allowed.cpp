// Fixture of the layer check: the window folders may use Qt and everything below.
#include <QWidget>
#include "evaluation/binding/BindingState.h"
#include "platform/ui/Window.h"
