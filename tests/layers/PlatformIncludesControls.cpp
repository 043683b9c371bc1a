// Must not build: the widget-free platform layer may not see the controls above it.
#include "controls/Modal.h"
