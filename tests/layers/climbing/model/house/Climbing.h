#pragma once
// Fixture of the layer check.
#include "../platform/ui/Window.h"
#include "evaluation/binding/BindingState.h"
#include "model/app/KelvoOptionen.h"
// #include "app/commented/Out.h"
