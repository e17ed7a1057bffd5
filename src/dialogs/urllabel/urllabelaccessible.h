#pragma once

namespace paysmith {

// Makes screen readers see every link label as a link they can press; once
// is enough, later calls do nothing.
void installUrlLabelAccessibility();

} // namespace paysmith
