#include "numfield/model/entrycontroller.h"

namespace paysmith {

TEntryController& TEntryController::defaultController() {
    static TEntryController controller;
    return controller;
}

} // namespace paysmith
