// Must not build: the document layer may not see the editor above it.
#include "editor/DesignEditor.h"
