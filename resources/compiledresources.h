#pragma once

namespace paysmith {

// Makes the pictures and icons compiled into the program readable under
// ":/". Linked from a static library, they are there only once this has run;
// running it again does nothing.
void useCompiledResources();

} // namespace paysmith
