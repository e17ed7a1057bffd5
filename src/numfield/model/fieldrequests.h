#pragma once

#include "numfield/model/refusal.h"

#include <string>
#include <string_view>

namespace paysmith {

// Work a field hands to the window system to be done after the current event,
// in the order posted; each comes back to the field's deliver().
enum class PostedRequest { FocusBack, ErrorReport, AfterEnter, AfterExit };

// Everything a field model needs from the window system. The widget carries
// it out; tests record it.
class FieldRequests {
  public:
    virtual ~FieldRequests() = default;

    virtual void beep() = 0;
    // Says why a key or a paste was refused, where the user is looking; the
    // beep alone goes unheard on most desktops.
    virtual void explainRefusal(Refusal) {}
    virtual void post(PostedRequest request) = 0;
    virtual bool clipboardHasText() = 0;
    virtual std::u16string clipboardText() = 0;
    virtual void setClipboardText(std::u16string_view text) = 0;
    // A modal error box titled "Error" with one OK button.
    virtual void showErrorMessage(std::u16string_view message) = 0;
    // Shows the field and makes it the focused control of its window, cancelling
    // any mouse action in the control that had taken the focus.
    virtual void focusField() = 0;
};

} // namespace paysmith
