#include "resources/compiledresources.h"

#include <QtGlobal>

// Outside any namespace: the macro declares the resource's own function.
static bool registerResources() {
    Q_INIT_RESOURCE(paysmith);
    return true;
}

void paysmith::useCompiledResources() {
    [[maybe_unused]] static const bool registered = registerResources();
}
